#include "chart/ChartPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace vorlan {
namespace {

constexpr double kTransonicMach[] = {1.2, 1.0};
QColor hitColor() { return {200, 110, 0}; }  // the P(hit) curve, its scale and the ethical range

// One quantity of a row, in the unit of its axis.
using Quantity = double (*)(const TrajectoryPoint&);
double dropInches(const TrajectoryPoint& row) { return row.drop * 12.0; }
double windageInches(const TrajectoryPoint& row) { return row.windage * 12.0; }
double velocityFps(const TrajectoryPoint& row) { return row.velocity; }

class Painter {
public:
    Painter(QPainter& p, const ChartScene& scene, const ChartGeometry& g)
        : p_(p), scene_(scene), g_(g), u_(chartUnits(scene.units)) {
        font_.setPixelSize(std::max(1, static_cast<int>(std::lround(g.fontPixels()))));
        p_.setFont(font_);
    }

    ChartMarks paint() {
        p_.fillRect(g_.area, Qt::white);
        drawTitle();
        drawGrid();
        p_.save();
        p_.setClipRect(g_.plot);
        // The dots first, so that no label is written over one.
        for (const ChartSeries& series : scene_.series)
            for (const Dot& dot : dots(series)) marks_.markers.push_back(dotBox(dot.at));
        drawHitScale();
        drawLineOfSight();
        if (!scene_.series.empty()) drawRangeMarkers(scene_.series.front());
        for (std::size_t i = scene_.series.size(); i-- > 0;) drawSeries(scene_.series[i], seriesColor(i));
        drawHitCurve();
        for (std::size_t i = scene_.series.size(); i-- > 0;) drawPointMarkers(scene_.series[i], seriesColor(i));
        drawObservations();
        drawCursor();
        p_.restore();
        drawAxes();
        drawLegend();
        drawReadout();
        return std::move(marks_);
    }

private:
    double px(double screenPixels) const { return screenPixels * g_.scale; }
    QPen pen(const QColor& color, double width, Qt::PenStyle style = Qt::SolidLine) const {
        QPen result(color, px(width), style, Qt::FlatCap, Qt::RoundJoin);
        return result;
    }
    double y(Quantity q, double value) const { return q == velocityFps ? g_.yAtVelocity(value) : g_.yAtInches(value); }
    // Ticks at round values of the shown units; each is placed at its value over the factor.
    // As many as fit: a small chart gets fewer, so that its numbers never run into each other.
    int tickCount(double length, double room, int most) const {
        const double h = QFontMetricsF(font_).height();
        return std::clamp(static_cast<int>(length / (room * h)), 2, most);
    }
    std::vector<double> rangeTicks() const {
        return axisTicks(scaled(g_.range, u_.perYard), tickCount(g_.plot.width(), 6.0, 10));
    }
    std::vector<double> smallTicks() const {
        return axisTicks(scaled(g_.inches, u_.perInch), tickCount(g_.plot.height(), 2.5, 8));
    }
    std::vector<double> velocityTicks() const {
        return axisTicks(scaled(g_.velocity, u_.perFps), tickCount(g_.plot.height(), 2.5, 8));
    }
    QString shownRange(double yards) const { return QString::number(yards * u_.perYard, 'f', u_.rangeDecimals); }

    void drawTitle() {
        if (scene_.title.isEmpty()) return;
        const QFontMetricsF m(font_);
        QFont bold = font_;
        bold.setBold(true);
        p_.setFont(bold);
        p_.setPen(Qt::black);
        const QRectF line(g_.area.left(), g_.area.top() + 0.3 * m.height(), g_.area.width(), m.height());
        p_.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, scene_.title);
        p_.setFont(font_);
        if (!scene_.subtitle.isEmpty())
            p_.drawText(line.translated(0, m.height() * 1.2), Qt::AlignHCenter | Qt::AlignVCenter, scene_.subtitle);
    }

    void drawGrid() {
        p_.setPen(pen(QColor(225, 225, 225), 1));
        for (double x : rangeTicks()) {
            const double at = g_.xAt(x / u_.perYard);
            p_.drawLine(QPointF(at, g_.plot.top()), QPointF(at, g_.plot.bottom()));
        }
        for (double v : smallTicks()) {
            const double at = g_.yAtInches(v / u_.perInch);
            p_.drawLine(QPointF(g_.plot.left(), at), QPointF(g_.plot.right(), at));
        }
    }

    void drawAxes() {
        const QFontMetricsF m(font_);
        const double h = m.height();
        p_.setPen(pen(Qt::black, 1));
        p_.drawRect(g_.plot);
        const auto label = [&](double value, double step) {
            return QString::number(value, 'f', step < 1.0 ? (step < 0.1 ? 2 : 1) : 0);
        };
        const std::vector<double> xs = rangeTicks(), ins = smallTicks(), vs = velocityTicks();
        const double xStep = xs.size() > 1 ? xs[1] - xs[0] : 1.0, iStep = ins.size() > 1 ? ins[1] - ins[0] : 1.0,
                     vStep = vs.size() > 1 ? vs[1] - vs[0] : 1.0;
        marks_.axisNumbers.assign(3, {});
        // Each number is drawn in its own box; the boxes it covers are kept for the checks.
        const auto number = [&](std::size_t axis, const QRectF& box, int align, const QString& text) {
            QRectF used;
            p_.drawText(box, align, text, &used);
            marks_.axisNumbers[axis].push_back(used);
        };
        for (double x : xs)
            number(0, QRectF(g_.xAt(x / u_.perYard) - 4 * h, g_.plot.bottom() + 0.2 * h, 8 * h, h),
                   Qt::AlignHCenter | Qt::AlignTop, label(x, xStep));
        for (double v : ins)
            number(1,
                   QRectF(g_.area.left(), g_.yAtInches(v / u_.perInch) - h / 2,
                          g_.plot.left() - g_.area.left() - 0.3 * h, h),
                   Qt::AlignRight | Qt::AlignVCenter, label(v, iStep));
        for (double v : vs)
            number(2, QRectF(g_.plot.right() + 0.3 * h, g_.yAtVelocity(v / u_.perFps) - h / 2, 6 * h, h),
                   Qt::AlignLeft | Qt::AlignVCenter, label(v, vStep));
        p_.drawText(QRectF(g_.plot.left(), g_.plot.bottom() + 1.3 * h, g_.plot.width(), h), Qt::AlignHCenter,
                    QStringLiteral("Range (%1)").arg(u_.range));
        drawVerticalText(g_.area.left() + 0.1 * h, QStringLiteral("Drop and windage (%1)").arg(u_.small));
        drawVerticalText(g_.area.right() - 1.1 * h, QStringLiteral("Velocity (%1)").arg(u_.velocity));
    }

    void drawVerticalText(double left, const QString& text) {
        p_.save();
        p_.translate(left, g_.plot.center().y());
        p_.rotate(-90);
        p_.drawText(QRectF(-g_.plot.height() / 2, 0, g_.plot.height(), QFontMetricsF(font_).height()),
                    Qt::AlignHCenter | Qt::AlignTop, text);
        p_.restore();
    }

    void drawLineOfSight() {
        const double y0 = g_.yAtInches(0.0);
        p_.setPen(pen(QColor(90, 90, 90), 1.2));
        p_.drawLine(QPointF(g_.plot.left(), y0), QPointF(g_.plot.right(), y0));
        drawLabel(QPointF(g_.plot.left(), y0), QStringLiteral("Line of sight"), QColor(90, 90, 90));
    }

    void drawRangeMarkers(const ChartSeries& series) {
        const double h = QFontMetricsF(font_).height();
        const std::pair<double, QString> markers[] = {
            {series.sightInRange, QStringLiteral("Sight-in %1 %2").arg(shownRange(series.sightInRange), u_.range)},
            {series.targetRange, QStringLiteral("Target %1 %2").arg(shownRange(series.targetRange), u_.range)}};
        int n = 0;
        for (const auto& [yards, text] : markers) {
            const double x = g_.xAt(yards);
            p_.setPen(pen(n == 0 ? QColor(0, 130, 0) : QColor(200, 0, 0), 1.2, Qt::DashLine));
            p_.drawLine(QPointF(x, g_.plot.top()), QPointF(x, g_.plot.bottom()));
            if (x >= g_.plot.left() && x <= g_.plot.right())
                drawLabel(QPointF(x - px(2), g_.plot.bottom() - px(2) - n * h), text, p_.pen().color());
            ++n;
        }
    }

    const std::vector<ChartHitPoint>* hitCurve() const {
        if (scene_.series.empty() || scene_.series.front().hitCurve.empty()) return nullptr;
        return &scene_.series.front().hitCurve;
    }

    // P(hit) at `yards` along the curve, between its first and last ranges.
    std::optional<double> hitAt(double yards) const {
        const std::vector<ChartHitPoint>* curve = hitCurve();
        if (!curve || yards < curve->front().range || yards > curve->back().range) return std::nullopt;
        const auto after = std::lower_bound(curve->begin(), curve->end(), yards,
                                            [](const ChartHitPoint& p, double y) { return p.range < y; });
        if (after == curve->begin() || after->range == yards) return after->probability;
        const ChartHitPoint& before = *(after - 1);
        return before.probability +
               (yards - before.range) / (after->range - before.range) * (after->probability - before.probability);
    }

    // The P(hit) scale inside the plot's right edge, its numbers kept clear of other labels.
    void drawHitScale() {
        if (!hitCurve()) return;
        const QFontMetricsF m(font_);
        p_.setPen(pen(hitColor(), 1));
        for (const int percent : {0, 25, 50, 75, 100}) {
            const double y = g_.yAtProbability(percent / 100.0);
            p_.drawLine(QPointF(g_.plot.right() - px(6), y), QPointF(g_.plot.right(), y));
            const QString text = QStringLiteral("%1 %").arg(percent);
            const QSizeF size(m.horizontalAdvance(text) + px(2), m.height());
            QRectF box(QPointF(g_.plot.right() - px(8) - size.width(), y - size.height() / 2), size);
            if (box.top() < g_.plot.top()) box.moveTop(g_.plot.top());
            if (box.bottom() > g_.plot.bottom()) box.moveBottom(g_.plot.bottom());
            if (overlapsLabel(box)) continue;
            p_.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
            marks_.labels.push_back(box);
        }
    }

    // P(hit) against range, the level an ethical shot must reach, and the farthest range that
    // reaches it.
    void drawHitCurve() {
        const std::vector<ChartHitPoint>* curve = hitCurve();
        if (!curve) return;
        const ChartSeries& series = scene_.series.front();
        p_.setPen(pen(hitColor(), 1, Qt::DotLine));
        const double level = g_.yAtProbability(series.hitLevel);
        p_.drawLine(QPointF(g_.plot.left(), level), QPointF(g_.plot.right(), level));
        QPolygonF line;
        for (const ChartHitPoint& point : *curve)
            line << QPointF(g_.xAt(point.range), g_.yAtProbability(point.probability));
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(pen(hitColor(), 2));
        p_.drawPolyline(line);
        p_.setRenderHint(QPainter::Antialiasing, false);
        if (!series.ethicalRange) return;
        const double x = g_.xAt(*series.ethicalRange);
        p_.setPen(pen(hitColor(), 1.2, Qt::DashDotLine));
        p_.drawLine(QPointF(x, g_.plot.top()), QPointF(x, g_.plot.bottom()));
        if (x >= g_.plot.left() && x <= g_.plot.right())
            drawLabel(QPointF(x, level),
                      QStringLiteral("Ethical %1 %2 (P(hit) %3 %)")
                          .arg(shownRange(*series.ethicalRange), u_.range)
                          .arg(series.hitLevel * 100.0, 0, 'g', 3),
                      hitColor());
    }

    // The rows in view as a polyline. Where several rows fall on one pixel column only the
    // first of them is kept: the curves are smooth, so the picture is the same, and a
    // 5000-row table draws as fast as one the width of the plot.
    QPolygonF polyline(const ChartSeries& series, Quantity q) const {
        QPolygonF line;
        const auto count = static_cast<double>(series.rows.size());
        const auto from = static_cast<std::size_t>(std::clamp(std::floor(g_.range.low) - 1.0, 0.0, count));
        const auto to = static_cast<std::size_t>(std::clamp(std::ceil(g_.range.high) + 2.0, 0.0, count));
        line.reserve(static_cast<qsizetype>(std::min<double>(static_cast<double>(to - from), g_.plot.width() + 4)));
        double lastColumn = -1e300;
        for (std::size_t i = from; i < to; ++i) {
            const TrajectoryPoint& row = series.rows[i];
            const double x = g_.xAt(row.range);
            const double column = std::floor(x);
            if (column == lastColumn && i + 1 != to) continue;
            lastColumn = column;
            line << QPointF(x, y(q, q(row)));
        }
        return line;
    }

    void drawSeries(const ChartSeries& series, const QColor& color) {
        p_.setRenderHint(QPainter::Antialiasing, true);
        // Hair-thin dotted and dashed lines take the painter's fast path for thin pens.
        p_.setPen(pen(color, 1.0, Qt::DotLine));
        p_.drawPolyline(polyline(series, velocityFps));
        p_.setPen(pen(color, 1.0, Qt::DashLine));
        p_.drawPolyline(polyline(series, windageInches));
        p_.setPen(pen(color, 2.0));
        p_.drawPolyline(polyline(series, dropInches));
        p_.setRenderHint(QPainter::Antialiasing, false);
    }

    // Writes `text` beside `at`: right and above it, else left of it (near the plot's right
    // edge first), moved a line at a time down or up past the labels already written, the
    // dots and the legend. A label with no free place in the plot is left out.
    void drawLabel(const QPointF& at, const QString& text, const QColor& color) {
        const QFontMetricsF m(font_);
        const QSizeF size(m.horizontalAdvance(text) + px(2), m.height());
        const QRectF right(at + QPointF(px(6), -px(6) - size.height()), size);
        const QRectF left = right.translated(-size.width() - px(12), 0);
        const bool nearRightEdge = right.right() > g_.plot.right();
        constexpr int kLines = 12;
        for (int step = 0; step <= 2 * kLines; ++step) {
            const double lines = step % 2 ? (step + 1) / 2 : -(step / 2);  // 0, 1, -1, 2, -2...
            for (const QRectF& side : nearRightEdge ? std::array{left, right} : std::array{right, left}) {
                const QRectF box = side.translated(0, -lines * size.height());
                if (!g_.plot.contains(box) || overlapsLabel(box)) continue;
                marks_.labels.push_back(box);
                p_.setPen(pen(color, 1));
                p_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
                return;
            }
        }
    }

    bool overlapsLabel(const QRectF& box) const {
        if (box.intersects(g_.legend)) return true;
        const auto hits = [&](const QRectF& r) { return r.intersects(box); };
        return std::any_of(marks_.labels.begin(), marks_.labels.end(), hits) ||
               std::any_of(marks_.markers.begin(), marks_.markers.end(), hits);
    }

    QRectF dotBox(const QPointF& at) const { return {at - QPointF(px(4), px(4)), QSizeF(px(8), px(8))}; }

    struct Dot {
        QPointF at;
        QString text;
    };
    // The marked points of a series: where it goes transonic, and its maximum ordinate.
    std::vector<Dot> dots(const ChartSeries& series) const {
        std::vector<Dot> found;
        for (double mach : kTransonicMach) {
            if (const auto row = transonicRow(series, mach)) {
                const TrajectoryPoint& r = series.rows[*row];
                found.push_back(
                    {QPointF(g_.xAt(r.range), g_.yAtVelocity(r.velocity)),
                     QStringLiteral("Mach %1 at %2 %3").arg(mach, 0, 'f', 1).arg(shownRange(r.range), u_.range)});
            }
        }
        if (const auto row = maximumOrdinateRow(series)) {
            const TrajectoryPoint& r = series.rows[*row];
            found.push_back({QPointF(g_.xAt(r.range), g_.yAtInches(r.drop * 12.0)),
                             QStringLiteral("Max. ordinate %1 %2 at %3 %4")
                                 .arg(r.drop * 12.0 * u_.perInch, 0, 'f', 2)
                                 .arg(u_.small, shownRange(r.range), u_.range)});
        }
        return found;
    }

    void drawDot(const QPointF& at, const QColor& color, const QString& text) {
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(pen(Qt::black, 1));
        p_.setBrush(color);
        p_.drawEllipse(at, px(4), px(4));
        p_.setBrush(Qt::NoBrush);
        p_.setRenderHint(QPainter::Antialiasing, false);
        if (g_.plot.contains(at)) drawLabel(at, text, color.darker(130));
    }

    void drawPointMarkers(const ChartSeries& series, const QColor& color) {
        for (const Dot& dot : dots(series)) drawDot(dot.at, color, dot.text);
    }

    // Each observed point as a ring, with a bar as long as its uncertainty either way.
    void drawObservations() {
        p_.setRenderHint(QPainter::Antialiasing, true);
        for (const ChartObservation& o : scene_.observations) {
            const double x = g_.xAt(o.range);
            const auto at = [&](double value) { return o.velocity ? g_.yAtVelocity(value) : g_.yAtInches(value); };
            p_.setPen(pen(Qt::black, 1.2));
            if (o.spread > 0.0) {
                const double top = at(o.value + o.spread), bottom = at(o.value - o.spread);
                p_.drawLine(QPointF(x, top), QPointF(x, bottom));
                for (double y : {top, bottom}) p_.drawLine(QPointF(x - px(3), y), QPointF(x + px(3), y));
            }
            p_.setBrush(o.velocity ? QColor(200, 200, 200) : QColor(Qt::white));
            p_.drawEllipse(QPointF(x, at(o.value)), px(3.5), px(3.5));
            p_.setBrush(Qt::NoBrush);
        }
        p_.setRenderHint(QPainter::Antialiasing, false);
    }

    void drawCursor() {
        if (!scene_.cursorRange) return;
        const double x = g_.xAt(*scene_.cursorRange);
        p_.setPen(pen(QColor(60, 60, 60), 1));
        p_.drawLine(QPointF(x, g_.plot.top()), QPointF(x, g_.plot.bottom()));
        p_.setRenderHint(QPainter::Antialiasing, true);
        for (std::size_t i = 0; i < scene_.series.size(); ++i) {
            const ChartSeries& series = scene_.series[i];
            const auto row = nearestRow(series, *scene_.cursorRange);
            if (!row || std::fabs(series.rows[*row].range - *scene_.cursorRange) > 0.5) continue;
            p_.setBrush(seriesColor(i));
            p_.setPen(pen(Qt::white, 1));
            for (Quantity q : {dropInches, windageInches, velocityFps})
                p_.drawEllipse(QPointF(x, y(q, q(series.rows[*row]))), px(3.5), px(3.5));
        }
        p_.setBrush(Qt::NoBrush);
        p_.setRenderHint(QPainter::Antialiasing, false);
    }

    void drawLegend() {
        if (scene_.series.empty()) return;
        const double h = QFontMetricsF(font_).height();
        p_.setPen(pen(QColor(160, 160, 160), 1));
        p_.setBrush(QColor(255, 255, 255, 235));
        p_.drawRect(g_.legend);
        p_.setBrush(Qt::NoBrush);
        const QRectF key(g_.legend.left() + 0.3 * h, g_.legend.top() + 0.2 * h, g_.legend.width(), h);
        p_.setPen(Qt::black);
        p_.drawText(key, Qt::AlignLeft | Qt::AlignVCenter, legendKey(scene_));
        if (g_.hitLegendRow) {
            const QRectF& row = *g_.hitLegendRow;
            p_.setPen(pen(hitColor(), 3));
            p_.drawLine(QPointF(row.left(), row.center().y()), QPointF(row.left() + 2 * h, row.center().y()));
            p_.setPen(Qt::black);
            p_.drawText(row.adjusted(2.5 * h, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("P(hit), 0 to 100 %"));
        }
        for (std::size_t i = 0; i < g_.legendRows.size(); ++i) {
            const QRectF& row = g_.legendRows[i];
            p_.setPen(pen(seriesColor(i), 3));
            p_.drawLine(QPointF(row.left(), row.center().y()), QPointF(row.left() + 2 * h, row.center().y()));
            p_.setPen(Qt::black);
            p_.drawText(row.adjusted(2.5 * h, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                        QString::fromStdString(scene_.series[i].name));
        }
    }

    struct ReadoutLine {
        QString name, value;
        QColor color;
    };

    // The table's columns of the own shot at the cursor, then the drop and velocity of each
    // overlay at the same yard, in its colour.
    std::vector<ReadoutLine> readoutLines() const {
        std::vector<ReadoutLine> lines;
        const auto row = nearestRow(scene_.series.front(), *scene_.cursorRange);
        if (!row) return lines;
        for (const auto& [name, value] : chartReadout(scene_.series.front().rows[*row], scene_.units))
            lines.push_back({QString::fromStdString(name), QString::fromStdString(value), Qt::black});
        if (const std::optional<double> p = hitAt(scene_.series.front().rows[*row].range))
            lines.push_back(
                {QStringLiteral("P(hit)"), QStringLiteral("%1 %").arg(*p * 100.0, 0, 'f', 1), hitColor().darker(130)});
        for (std::size_t i = 1; i < scene_.series.size(); ++i) {
            const ChartSeries& overlay = scene_.series[i];
            const auto at = nearestRow(overlay, *scene_.cursorRange);
            if (!at || overlay.rows[*at].range != scene_.series.front().rows[*row].range) continue;
            const ChartReadout columns = chartReadout(overlay.rows[*at], scene_.units);
            lines.push_back({QString::fromStdString(overlay.name),
                             QStringLiteral("%1 %2, %3 %4")
                                 .arg(QString::fromStdString(columns[1].second), u_.small,
                                      QString::fromStdString(columns[2].second), u_.velocity),
                             seriesColor(i).darker(130)});
        }
        return lines;
    }

    void drawReadout() {
        if (!scene_.cursorRange || scene_.series.empty()) return;
        const std::vector<ReadoutLine> lines = readoutLines();
        if (lines.empty()) return;
        const QFontMetricsF m(font_);
        const double h = m.height();
        double nameWidth = 0, valueWidth = 0;
        for (const ReadoutLine& line : lines) {
            nameWidth = std::max(nameWidth, m.horizontalAdvance(line.name));
            valueWidth = std::max(valueWidth, m.horizontalAdvance(line.value));
        }
        const QSizeF size(nameWidth + valueWidth + 2.5 * h, h * (static_cast<double>(lines.size()) + 0.6));
        const QPointF anchor =
            scene_.readoutAnchor.value_or(QPointF(g_.xAt(*scene_.cursorRange), g_.plot.center().y()));
        QPointF at = anchor + QPointF(px(16), px(16));
        if (at.x() + size.width() > g_.plot.right()) at.setX(anchor.x() - px(16) - size.width());
        if (at.y() + size.height() > g_.plot.bottom()) at.setY(anchor.y() - px(16) - size.height());
        at.setX(std::max(at.x(), g_.plot.left()));
        at.setY(std::max(at.y(), g_.plot.top()));
        const QRectF box(at, size);
        p_.setPen(pen(QColor(120, 120, 120), 1));
        p_.setBrush(QColor(255, 255, 225, 240));
        p_.drawRect(box);
        p_.setBrush(Qt::NoBrush);
        double top = box.top() + 0.3 * h;
        for (const ReadoutLine& line : lines) {
            const QRectF text(box.left() + 0.5 * h, top, box.width() - h, h);
            p_.setPen(line.color);
            p_.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, line.name);
            p_.drawText(text, Qt::AlignRight | Qt::AlignVCenter, line.value);
            top += h;
        }
    }

    QPainter& p_;
    const ChartScene& scene_;
    const ChartGeometry& g_;
    const ChartUnits& u_;
    QFont font_;
    ChartMarks marks_;  // where labels and dots have gone, so that the next label avoids them
};

}  // namespace

QColor seriesColor(std::size_t index) {
    static const QColor colors[] = {QColor(31, 119, 180),  QColor(214, 39, 40),  QColor(44, 160, 44),
                                    QColor(148, 103, 189), QColor(255, 127, 14), QColor(140, 86, 75)};
    return colors[index % std::size(colors)];
}

ChartMarks paintChart(QPainter& painter, const ChartScene& scene, const QRectF& area, double scale) {
    const ChartGeometry geometry(scene, area, scale);
    painter.save();
    ChartMarks marks = Painter(painter, scene, geometry).paint();
    painter.restore();
    return marks;
}

}  // namespace vorlan
