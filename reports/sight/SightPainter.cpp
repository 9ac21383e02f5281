#include "reports/sight/SightPainter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "reports/card/PageFile.h"

namespace vorlan {

namespace {

constexpr double kRadiusShare = 0.40;  // of the square's side: room above and below for the texts
constexpr int kSightPngDpi = 200;
const QColor kWindColours[] = {QColor(0, 90, 200),  QColor(0, 140, 60),  QColor(150, 40, 170),
                               QColor(200, 110, 0), QColor(0, 140, 150), QColor(120, 80, 40)};
const QColor kShotColour(210, 0, 0);

// Reticle units to the painter's: x right, y up from the circle's centre.
struct Frame {
    QPointF centre;
    double radius = 1;
    double perUnit = 1;
    double side = 1;
    QRectF bounds;  // what is drawn; a label goes nowhere outside it
    QPointF at(double x, double y) const { return centre + QPointF(x * perUnit, -y * perUnit); }
};

QFont sized(double pixels) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

// A line of text within `box`: its type made smaller (down to 70 %) before anything is cut.
void drawFitted(QPainter& painter, const QRectF& box, double typeSize, const QString& text) {
    painter.setFont(sized(typeSize));
    const double wide = painter.fontMetrics().horizontalAdvance(text);
    if (wide > box.width()) painter.setFont(sized(std::max(typeSize * 0.7, std::floor(typeSize * box.width() / wide))));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, qRound(box.width())));
}

// The reticle's marks within `clip`.
void paintReticle(QPainter& painter, const Reticle& reticle, const Frame& f, const QPainterPath& clip) {
    const double thinnest = f.side / 700.0;
    painter.save();
    painter.setClipPath(clip, Qt::IntersectClip);
    for (const ReticleLine& l : reticle.lines) {
        painter.setPen(QPen(Qt::black, std::max(thinnest, l.width * f.perUnit), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(f.at(l.x1, l.y1), f.at(l.x2, l.y2));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const ReticleDot& d : reticle.dots) {
        const double r = std::max(thinnest * 1.5, d.diameter * f.perUnit / 2.0);
        painter.drawEllipse(f.at(d.x, d.y), r, r);
    }
    painter.setPen(Qt::black);
    painter.setFont(sized(f.side * 0.022));
    for (const ReticleNumber& n : reticle.numbers) {
        const QPointF p = f.at(n.x, n.y);
        painter.drawText(QRectF(p.x() - f.side * 0.05, p.y() - f.side * 0.02, f.side * 0.1, f.side * 0.04),
                         Qt::AlignCenter, QString::fromStdString(n.text));
    }
    painter.restore();
}

// A coloured dot and the words of each wind, in a row from `start`, `line` high.
void paintWindKey(QPainter& painter, const SightPicture& picture, const std::vector<double>& winds, QPointF start,
                  double line, const QString& shot) {
    double x = start.x();
    const double y = start.y();
    const auto key = [&](const QColor& colour, const QString& text) {
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(x + line * 0.2, y - line * 0.25), line * 0.15, line * 0.15);
        painter.drawText(QPointF(x + line * 0.5, y), text);
        x += painter.fontMetrics().horizontalAdvance(text) + line * 1.2;
    };
    key(kShotColour, shot);
    for (std::size_t w = 0; w < winds.size(); ++w)
        key(kWindColours[w % std::size(kWindColours)],
            QStringLiteral("%1 %2").arg(winds[w]).arg(QString::fromStdString(picture.windUnit)));
}

std::vector<double> windsOf(const SightPicture& picture) {
    std::vector<double> winds;
    for (const AimPoint& p : picture.points)
        if (p.wind && std::find(winds.begin(), winds.end(), *p.wind) == winds.end()) winds.push_back(*p.wind);
    return winds;
}

// An arrow from the clamped point outwards, toward where the hold would be; its tip.
QPointF paintArrow(QPainter& painter, const AimPoint& p, const Frame& f, const QColor& colour) {
    const double dx = -p.right, dy = -p.up;
    const double length = std::hypot(dx, dy);
    if (length <= 0) return f.at(p.x, p.y);
    const QPointF unit(dx / length, -dy / length);  // painter's y runs down
    const QPointF tail = f.at(p.x, p.y);
    const QPointF tip = tail + unit * (f.side * 0.05);
    const QPointF side(-unit.y(), unit.x());
    painter.setPen(QPen(colour, f.side / 300.0));
    painter.drawLine(tail, tip);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF{tip, tip - unit * (f.side * 0.015) + side * (f.side * 0.008),
                                  tip - unit * (f.side * 0.015) - side * (f.side * 0.008)});
    return tip;
}

QColor pointColour(const AimPoint& p, const std::vector<double>& winds) {
    if (!p.wind) return kShotColour;
    const auto w = std::find(winds.begin(), winds.end(), *p.wind) - winds.begin();
    return kWindColours[static_cast<std::size_t>(w) % std::size(kWindColours)];
}

// The dots (and arrows) first, then the labels, each clear of every dot and earlier label.
void paintPoints(QPainter& painter, const SightPicture& picture, const Frame& f, const std::vector<double>& winds) {
    const double dot = f.side * 0.008;
    painter.setFont(sized(f.side * 0.02));
    std::vector<QRectF> taken;
    std::vector<std::pair<const AimPoint*, QPointF>> labels;
    std::vector<double> labelled;  // a row of wind dots shares its range's label
    for (const AimPoint& p : picture.points) {
        const QColor colour = pointColour(p, winds);
        const QPointF at = f.at(p.x, p.y);
        const double r = p.wind ? dot : dot * 1.6;
        painter.setPen(QPen(colour, f.side / 400.0));
        painter.setBrush(p.wind ? QBrush(colour) : QBrush(Qt::NoBrush));
        painter.drawEllipse(at, r, r);
        taken.push_back(QRectF(at - QPointF(r, r), QSizeF(2 * r, 2 * r)));
        const QPointF tip = p.beyond ? paintArrow(painter, p, f, colour) : at;
        if (p.wind && std::find(labelled.begin(), labelled.end(), p.range) != labelled.end()) continue;
        if (p.wind) labelled.push_back(p.range);
        labels.emplace_back(&p, tip);
    }
    // From the top down, so that a label pushed off its line is pushed past the labels below.
    std::stable_sort(labels.begin(), labels.end(),
                     [](const auto& a, const auto& b) { return a.second.y() < b.second.y(); });
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const auto& [p, at] : labels) {
        // On a pale ground, to read over the reticle's posts and marks.
        const QString text = QString::fromStdString(p->label);
        const QPointF base = at + QPointF(dot * 1.8, -dot * 0.6);
        const QRectF right = metrics.boundingRect(text).translated(base).adjusted(-dot * 0.15, 0, dot * 0.15, 0);
        const QRectF ground = placeLabel(right, at.x(), taken, f.bounds);
        taken.push_back(ground);
        painter.setPen(QPen(pointColour(*p, winds), f.side / 700.0));
        // A label moved off its point's line is tied to it, so that it names no other point.
        if (ground.top() != right.top())
            painter.drawLine(at, QPointF(ground.left() > at.x() ? ground.left() : ground.right(), ground.center().y()));
        painter.fillRect(ground, QColor(255, 255, 255, 200));
        painter.drawText(base + (ground.topLeft() - right.topLeft()), text);
    }
}

// The reticle and magnification above; the hold mode and the winds' colours below.
void paintTexts(QPainter& painter, const SightPicture& picture, const Frame& f, const std::vector<double>& winds) {
    const Reticle& r = picture.reticle;
    const double line = f.side * 0.032;
    const QRectF top(f.side * 0.02, 0, f.side * 0.96, f.side * 0.09);
    painter.setPen(Qt::black);
    painter.setFont(sized(f.side * 0.026));
    QString heading = QString::fromStdString(r.name) + QStringLiteral(" - ") +
                      (r.plane == FocalPlane::First ? QCoreApplication::translate("SightPicture", "first focal plane")
                                                    : QCoreApplication::translate("SightPicture", "%1x, true at %2x")
                                                          .arg(picture.magnification)
                                                          .arg(r.trueMagnification));
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(angleUnitName(r.unit).data()));
    const double bottom = f.side - f.side * 0.02 - line;
    painter.drawText(QPointF(f.side * 0.02, bottom), QString::fromStdString(picture.modeWords));
    painter.setFont(sized(f.side * 0.022));
    paintWindKey(painter, picture, winds, QPointF(f.side * 0.02, bottom + line * 0.9), line,
                 QCoreApplication::translate("SightPicture", "the shot's wind"));
}

}  // namespace

QRectF placeLabel(const QRectF& right, double pointX, const std::vector<QRectF>& taken, const QRectF& bounds) {
    const auto clear = [&](const QRectF& r) {
        return bounds.contains(r) &&
               std::none_of(taken.begin(), taken.end(), [&r](const QRectF& t) { return t.intersects(r); });
    };
    const QRectF left(2.0 * pointX - right.right(), right.top(), right.width(), right.height());
    // Beside the point, then a line lower, a line higher, two lower...
    for (int step = 0; step < 9; ++step) {
        const double dy = right.height() * ((step + 1) / 2) * (step % 2 ? 1.0 : -1.0);
        for (const QRectF& side : {right, left})
            if (clear(side.translated(0, dy))) return side.translated(0, dy);
    }
    return right;
}

void paintSightPicture(QPainter& painter, const SightPicture& picture, const QRectF& area) {
    const double side = std::min(area.width(), area.height());
    const QPointF corner = area.center() - QPointF(side / 2.0, side / 2.0);
    const std::vector<double> winds = windsOf(picture);
    painter.save();
    painter.translate(corner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, side, side), Qt::white);
    Frame f;
    f.side = side;
    f.bounds = QRectF(0, 0, side, side);
    f.centre = QPointF(side / 2.0, side / 2.0);
    f.radius = side * kRadiusShare;
    f.perUnit = f.radius / std::max(picture.reticle.field, 1e-9);
    QPainterPath circle;
    circle.addEllipse(f.centre, f.radius, f.radius);
    paintReticle(painter, picture.reticle, f, circle);
    painter.setPen(QPen(QColor(60, 60, 60), side / 150.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(f.centre, f.radius, f.radius);
    paintPoints(painter, picture, f, winds);
    paintTexts(painter, picture, f, winds);
    painter.restore();
}

void paintSightLadder(QPainter& painter, const SightPicture& picture, const QRectF& room, double typeSize) {
    const std::vector<double> winds = windsOf(picture);
    const double line = typeSize * 1.3;
    const QRectF area = room.adjusted(0, line * 1.2, 0, -line * 1.2);
    // The span of the points and the centre, a unit beyond them, and room for the labels.
    double top = 1.0, bottom = -1.0, half = 1.0;
    for (const AimPoint& p : picture.points) {
        top = std::max(top, p.y + 1.0);
        bottom = std::min(bottom, p.y - 1.0);
        half = std::max(half, std::fabs(p.x) + 1.0);
    }
    const double labels = typeSize * 5.0;
    Frame f;
    f.side = typeSize / 0.022;  // the labels at about the card's type
    f.bounds = area;
    f.perUnit = std::min((area.width() - labels) / (2.0 * half), area.height() / (top - bottom));
    f.centre = QPointF(area.left() + half * f.perUnit, area.top() + top * f.perUnit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(room, Qt::white);
    QPainterPath clip;
    clip.addRect(area);
    paintReticle(painter, picture.reticle, f, clip);
    painter.setClipPath(clip);
    paintPoints(painter, picture, f, winds);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(120, 120, 120), typeSize / 20.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.setPen(Qt::black);
    drawFitted(painter, QRectF(room.left(), room.top(), room.width(), line), typeSize,
               QString::fromStdString(picture.reticle.name) + QStringLiteral(", ") +
                   QString::fromStdString(picture.modeWords));
    painter.setFont(sized(typeSize * 0.8));
    paintWindKey(painter, picture, winds, QPointF(room.left(), room.bottom() - line * 0.2), line * 0.8,
                 QCoreApplication::translate("SightPicture", "shot"));
    painter.restore();
}

CardPicture sightLadderPicture(SightPicture picture) {
    return [picture = std::move(picture)](QPainter& painter, const QRectF& room, double typeSize) {
        paintSightLadder(painter, picture, room, typeSize);
    };
}

QPageLayout sightPageLayout() {
    return QPageLayout(
        QPageSize(QSizeF(kSightPagePoints, kSightPagePoints), QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF());
}

QByteArray sightFileBytes(const SightPicture& picture, CardFileFormat format) {
    const PageFile page{sightPageLayout(), QSizeF(kSightPagePoints, kSightPagePoints),
                        QString::fromStdString(picture.reticle.name), kSightPngDpi};
    return pageFileBytes(page, format,
                         [&](QPainter& painter, const QRectF& area) { paintSightPicture(painter, picture, area); });
}

}  // namespace vorlan
