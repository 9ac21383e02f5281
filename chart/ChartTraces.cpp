// The chart's traces: the line of sight, the sight-in and target ranges, each series with its
// marked points, the observed points and the cursor.
#include "chart/ChartCanvas.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "engine/TrajectoryRows.h"

namespace vorlan::chartpaint {

namespace {
constexpr double kTransonicMach[] = {1.2, 1.0};
}  // namespace

void ChartCanvas::drawLineOfSight() {
    const double y0 = g_.yAtInches(0.0);
    p_.setPen(pen(c_.lineOfSight, 1.2));
    p_.drawLine(QPointF(g_.plot.left(), y0), QPointF(g_.plot.right(), y0));
    drawLabel(QPointF(g_.plot.left(), y0), QCoreApplication::translate("Chart", "Line of sight"), c_.lineOfSight);
}

void ChartCanvas::drawRangeMarkers(const ChartSeries& series) {
    const double h = QFontMetricsF(font_).height();
    const std::pair<double, QString> markers[] = {
        {series.sightInRange,
         QCoreApplication::translate("Chart", "Sight-in %1 %2").arg(shownRange(series.sightInRange), u_.range)},
        {series.targetRange,
         QCoreApplication::translate("Chart", "Target %1 %2").arg(shownRange(series.targetRange), u_.range)}};
    int n = 0;
    for (const auto& [yards, text] : markers) {
        const double x = g_.xAt(yards);
        p_.setPen(pen(n == 0 ? c_.sightIn : c_.target, 1.2, Qt::DashLine));
        p_.drawLine(QPointF(x, g_.plot.top()), QPointF(x, g_.plot.bottom()));
        if (x >= g_.plot.left() && x <= g_.plot.right())
            drawLabel(QPointF(x - px(2), g_.plot.bottom() - px(2) - n * h), text, p_.pen().color());
        ++n;
    }
}

// The rows in view as a polyline. Where several rows fall on one pixel column only the
// first of them is kept: the curves are smooth, so the picture is the same, and a
// 5000-row table draws as fast as one the width of the plot.
QPolygonF ChartCanvas::polyline(const ChartSeries& series, Quantity q) const {
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

void ChartCanvas::drawSeries(const ChartSeries& series, const QColor& color) {
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

// The marked points of a series: where it goes transonic, and its maximum ordinate.
std::vector<ChartCanvas::Dot> ChartCanvas::dots(const ChartSeries& series) const {
    std::vector<Dot> found;
    for (double mach : kTransonicMach) {
        if (const auto row = transonicRow(series, mach)) {
            const TrajectoryPoint& r = series.rows[*row];
            found.push_back({QPointF(g_.xAt(r.range), g_.yAtVelocity(r.velocity)),
                             QCoreApplication::translate("Chart", "Mach %1 at %2 %3")
                                 .arg(mach, 0, 'f', 1)
                                 .arg(shownRange(r.range), u_.range)});
        }
    }
    if (const auto row = maximumOrdinateRow(series)) {
        const TrajectoryPoint& r = series.rows[*row];
        found.push_back({QPointF(g_.xAt(r.range), g_.yAtInches(r.drop * 12.0)),
                         QCoreApplication::translate("Chart", "Max. ordinate %1 %2 at %3 %4")
                             .arg(r.drop * 12.0 * u_.perInch, 0, 'f', 2)
                             .arg(u_.small, shownRange(r.range), u_.range)});
    }
    return found;
}

void ChartCanvas::drawDot(const QPointF& at, const QColor& color, const QString& text) {
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setPen(pen(c_.frame, 1));
    p_.setBrush(color);
    p_.drawEllipse(at, px(4), px(4));
    p_.setBrush(Qt::NoBrush);
    p_.setRenderHint(QPainter::Antialiasing, false);
    if (g_.plot.contains(at)) drawLabel(at, text, c_.labelColor(color));
}

void ChartCanvas::drawPointMarkers(const ChartSeries& series, const QColor& color) {
    for (const Dot& dot : dots(series)) drawDot(dot.at, color, dot.text);
}

// Each observed point as a ring, with a bar as long as its uncertainty either way.
void ChartCanvas::drawObservations() {
    p_.setRenderHint(QPainter::Antialiasing, true);
    for (const ChartObservation& o : scene_.observations) {
        const double x = g_.xAt(o.range);
        const auto at = [&](double value) { return o.velocity ? g_.yAtVelocity(value) : g_.yAtInches(value); };
        p_.setPen(pen(c_.frame, 1.2));
        if (o.spread > 0.0) {
            const double top = at(o.value + o.spread), bottom = at(o.value - o.spread);
            p_.drawLine(QPointF(x, top), QPointF(x, bottom));
            for (double y : {top, bottom}) p_.drawLine(QPointF(x - px(3), y), QPointF(x + px(3), y));
        }
        p_.setBrush(o.velocity ? c_.velocityObservationFill : c_.observationFill);
        p_.drawEllipse(QPointF(x, at(o.value)), px(3.5), px(3.5));
        p_.setBrush(Qt::NoBrush);
    }
    p_.setRenderHint(QPainter::Antialiasing, false);
}

void ChartCanvas::drawCursor() {
    if (!scene_.cursorRange) return;
    const double x = g_.xAt(*scene_.cursorRange);
    p_.setPen(pen(c_.cursor, 1));
    p_.drawLine(QPointF(x, g_.plot.top()), QPointF(x, g_.plot.bottom()));
    p_.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t i = 0; i < scene_.series.size(); ++i) {
        const ChartSeries& series = scene_.series[i];
        const std::optional<TrajectoryPoint> row = rowAt(series.rows, *scene_.cursorRange);
        if (!row) continue;
        p_.setBrush(c_.seriesColor(i));
        p_.setPen(pen(c_.cursorRing, 1));
        for (Quantity q : {dropInches, windageInches, velocityFps})
            p_.drawEllipse(QPointF(x, y(q, q(*row))), px(3.5), px(3.5));
    }
    p_.setBrush(Qt::NoBrush);
    p_.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace vorlan::chartpaint
