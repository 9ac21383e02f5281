#include "reports/card/FieldCardPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <algorithm>

#include "reports/card/PageFile.h"

namespace vorlan {

namespace {

// Text is set with a font of this many pixels under a scale of typeSize / kFontPixels: a
// pixel size is whole, the card's type size need not be.
constexpr double kFontPixels = 100.0;
constexpr double kRuleWidth = 0.4;  // points
constexpr double kCutMarkLength = 12.0;
constexpr double kCutMarkGap = 3.0;  // between a mark and the card's corner

QFont cardFont(bool bold) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(static_cast<int>(kFontPixels));
    font.setBold(bold);
    return font;
}

QColor lineColour(CardLine::Kind kind) { return kind == CardLine::Kind::Footer ? QColor(90, 90, 90) : Qt::black; }

// The painter's units per point for a rectangle that stands for a sheet `widthPoints` wide.
double unitsPerPoint(const QRectF& target, double widthPoints) { return target.width() / widthPoints; }

}  // namespace

void paintFieldCard(QPainter& painter, const FittedCard& fitted, const QRectF& card, const CardPicture* picture) {
    if (!fitted.fits()) return;
    painter.save();
    painter.translate(card.topLeft());
    painter.scale(unitsPerPoint(card, fitted.width()), unitsPerPoint(card, fitted.width()));
    painter.fillRect(QRectF(0, 0, fitted.width(), fitted.height()), Qt::white);
    const double size = fitted.typeSize;
    const double lineHeight = fitted.lineHeight;
    const double margin = fitted.paper.margin;
    const double available = fitted.width() - 2.0 * margin - fitted.pictureWidth;
    // A font wider than the card's type allows for is narrowed to keep every line whole.
    const QFontMetricsF metrics(cardFont(false), painter.device());
    double widest = 0.0;
    for (const CardLine& line : fitted.lines)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line.text)));
    const double scale = size / kFontPixels;
    const double narrowing = widest * scale > available ? available / (widest * scale) : 1.0;
    for (std::size_t i = 0; i < fitted.lines.size(); ++i) {
        const CardLine& line = fitted.lines[i];
        const double top = margin + static_cast<double>(i) * lineHeight;
        painter.save();
        painter.translate(margin, top + (lineHeight - size) / 2.0);
        painter.scale(scale * narrowing, scale);
        painter.setFont(cardFont(line.kind == CardLine::Kind::Title));
        painter.setPen(lineColour(line.kind));
        painter.drawText(QPointF(0.0, metrics.ascent()), QString::fromStdString(line.text));
        painter.restore();
        if (line.ruleBelow) {
            const double y = top + lineHeight;
            painter.setPen(QPen(QColor(120, 120, 120), kRuleWidth));
            painter.drawLine(QPointF(margin, y), QPointF(fitted.width() - margin - fitted.pictureWidth, y));
        }
    }
    if (picture && fitted.pictureWidth > 0) {
        const QRectF room(fitted.width() - margin - fitted.pictureWidth, margin, fitted.pictureWidth,
                          fitted.height() - 2.0 * margin);
        (*picture)(painter, room, size);
    }
    painter.restore();
}

void paintCardSheet(QPainter& painter, const FittedCard& fitted, const SheetPlan& plan, const QRectF& sheet,
                    const CardPicture* picture) {
    painter.save();
    painter.translate(sheet.topLeft());
    const double k = unitsPerPoint(sheet, plan.width);
    painter.scale(k, k);
    painter.fillRect(QRectF(0, 0, plan.width, plan.height), Qt::white);
    for (int row = 0; row < plan.rows; ++row)
        for (int column = 0; column < plan.columns; ++column) {
            // A landscape card is turned a quarter to the left into its upright slot.
            painter.save();
            painter.translate(plan.left + column * plan.cardWidth, plan.top + (row + 1) * plan.cardHeight);
            if (fitted.landscape) painter.rotate(-90.0);
            const QSizeF slot =
                fitted.landscape ? QSizeF(plan.cardHeight, plan.cardWidth) : QSizeF(plan.cardWidth, plan.cardHeight);
            paintFieldCard(painter, fitted, QRectF(QPointF(0, fitted.landscape ? 0 : -plan.cardHeight), slot), picture);
            painter.restore();
        }
    // Cut marks: short lines outside the block of cards, in line with every cut.
    painter.setPen(QPen(Qt::black, kRuleWidth));
    const double right = plan.left + plan.columns * plan.cardWidth;
    const double bottom = plan.top + plan.rows * plan.cardHeight;
    for (int column = 0; column <= plan.columns; ++column) {
        const double x = plan.left + column * plan.cardWidth;
        painter.drawLine(QPointF(x, plan.top - kCutMarkGap), QPointF(x, plan.top - kCutMarkGap - kCutMarkLength));
        painter.drawLine(QPointF(x, bottom + kCutMarkGap), QPointF(x, bottom + kCutMarkGap + kCutMarkLength));
    }
    for (int row = 0; row <= plan.rows; ++row) {
        const double y = plan.top + row * plan.cardHeight;
        painter.drawLine(QPointF(plan.left - kCutMarkGap, y), QPointF(plan.left - kCutMarkGap - kCutMarkLength, y));
        painter.drawLine(QPointF(right + kCutMarkGap, y), QPointF(right + kCutMarkGap + kCutMarkLength, y));
    }
    painter.restore();
}

void paintCardPage(QPainter& painter, const FittedCard& fitted, const SheetPlan* sheet, const QRectF& page,
                   const CardPicture* picture) {
    if (sheet)
        paintCardSheet(painter, fitted, *sheet, page, picture);
    else
        paintFieldCard(painter, fitted, page, picture);
}

QSizeF cardPagePoints(const FittedCard& fitted, const SheetPlan* sheet) {
    return sheet ? QSizeF(sheet->width, sheet->height) : QSizeF(fitted.width(), fitted.height());
}

QPageLayout cardPageLayout(const FittedCard& fitted, const SheetPlan* sheet) {
    const QSizeF upright =
        sheet ? QSizeF(sheet->width, sheet->height) : QSizeF(fitted.paper.width, fitted.paper.height);
    const bool turned = !sheet && fitted.landscape;
    return QPageLayout(QPageSize(upright, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       turned ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

QByteArray cardFileBytes(const FittedCard& fitted, const SheetPlan* sheet, CardFileFormat format,
                         const CardPicture* picture) {
    if (!fitted.fits()) return {};
    const PageFile page{cardPageLayout(fitted, sheet), cardPagePoints(fitted, sheet),
                        QString::fromStdString(fitted.lines.empty() ? std::string() : fitted.lines.front().text),
                        kCardPngDpi};
    return pageFileBytes(page, format, [&](QPainter& painter, const QRectF& area) {
        paintCardPage(painter, fitted, sheet, area, picture);
    });
}

}  // namespace vorlan
