#include "chart/ChartGeometry.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace vorlan {
namespace {

constexpr double kMargin = 0.05;  // share of each full axis left free around the data

AxisRange padded(double low, double high) {
    if (!(high > low)) high = low + 1.0;
    const double pad = (high - low) * kMargin;
    return {low - pad, high + pad};
}

// A part of `full` given as fractions of it.
AxisRange part(const AxisRange& full, double from, double to) {
    return {full.low + from * full.span(), full.low + to * full.span()};
}

}  // namespace

ChartGeometry::ChartGeometry(const ChartScene& scene, const QRectF& area_, double scale_) : area(area_), scale(scale_) {
    double lastRange = 1.0, lowInches = 0.0, highInches = 0.0, highVelocity = 1.0;
    for (const ChartSeries& series : scene.series) {
        if (!series.rows.empty()) lastRange = std::max(lastRange, series.rows.back().range);
        for (const TrajectoryPoint& row : series.rows) {
            lowInches = std::min({lowInches, row.drop * 12.0, row.windage * 12.0});
            highInches = std::max({highInches, row.drop * 12.0, row.windage * 12.0});
            highVelocity = std::max(highVelocity, row.velocity);
        }
    }
    for (const ChartObservation& o : scene.observations) {
        lastRange = std::max(lastRange, o.range);
        if (o.velocity) {
            highVelocity = std::max(highVelocity, o.value + o.spread);
        } else {
            lowInches = std::min(lowInches, o.value - o.spread);
            highInches = std::max(highInches, o.value + o.spread);
        }
    }
    fullRange = {0.0, lastRange};
    fullInches = padded(lowInches, highInches);
    fullVelocity = {0.0, highVelocity * (1.0 + 2.0 * kMargin)};
    const QRectF& v = scene.view;
    range = part(fullRange, v.left(), v.right());
    inches = part(fullInches, v.top(), v.bottom());
    velocity = part(fullVelocity, v.top(), v.bottom());

    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPixels()))));
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    const double titleLines = (scene.title.isEmpty() ? 0 : 1) + (scene.subtitle.isEmpty() ? 0 : 1);
    const double left = metrics.horizontalAdvance(QStringLiteral("-00000")) + 2.0 * line;
    const double right = metrics.horizontalAdvance(QStringLiteral("00000")) + 2.0 * line;
    plot = area.adjusted(left, line * (1.0 + titleLines * 1.3), -right, -2.6 * line);

    double widest = 0.0;
    for (const ChartSeries& series : scene.series)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(series.name)));
    //: The legend key's words and marks, measured for the legend's width: translate as the key.
    const QString keyWords = QCoreApplication::translate("Chart", "drop - - windage ··· ft/s");
    double rowWidth = std::max(widest, metrics.horizontalAdvance(keyWords)) + 3.0 * line;
    if (!scene.observations.empty())
        rowWidth = std::max(rowWidth, metrics.horizontalAdvance(legendKey(scene)) + 1.0 * line);
    const bool hitRow = !scene.series.empty() && !scene.series.front().hitCurve.empty();
    const double rows = static_cast<double>(scene.series.size()) + (hitRow ? 2.0 : 1.0);
    const double top = scene.legendLowerLeft ? plot.bottom() - 0.5 * line - rows * line : plot.top() + 0.5 * line;
    const double legendLeft = scene.legendLowerLeft ? plot.left() + 0.5 * line : plot.right() - rowWidth - 0.5 * line;
    for (std::size_t i = 0; i < scene.series.size(); ++i)
        legendRows.emplace_back(legendLeft, top + line * (static_cast<double>(i) + 1.0), rowWidth, line);
    if (hitRow) hitLegendRow = QRectF(legendLeft, top + line * (rows - 1.0), rowWidth, line);
    legend = QRectF(legendLeft, top, rowWidth, line * rows).adjusted(-0.3 * line, -0.2 * line, 0.3 * line, 0.2 * line);
}

QPointF ChartGeometry::fractionAt(const QPointF& point) const {
    const double x = (yardsAt(point.x()) - fullRange.low) / fullRange.span();
    const double inchesAt = inches.low + (plot.bottom() - point.y()) / plot.height() * inches.span();
    return {x, (inchesAt - fullInches.low) / fullInches.span()};
}

std::optional<std::size_t> ChartGeometry::legendSeriesAt(const QPointF& point) const {
    for (std::size_t i = 0; i < legendRows.size(); ++i)
        if (legendRows[i].contains(point)) return i;
    return std::nullopt;
}

QString legendKey(const ChartScene& scene) {
    QString key =
        QCoreApplication::translate("Chart", "— drop  - - windage  ··· %1").arg(chartUnits(scene.units).velocity);
    if (!scene.observations.empty()) key += QCoreApplication::translate("Chart", "  ○ observed");
    return key;
}

const ChartUnits& chartUnits(UnitSystem units) {
    static const ChartUnits kImperial{
        1.0, 1.0, 1.0, 0, QStringLiteral("yd"), QStringLiteral("in"), QStringLiteral("ft/s")};
    static const ChartUnits kMetric{kMetresPerYard,      kCentimetresPerInch,  kMetresPerFoot,       1,
                                    QStringLiteral("m"), QStringLiteral("cm"), QStringLiteral("m/s")};
    return units == UnitSystem::Metric ? kMetric : kImperial;
}

std::vector<double> axisTicks(const AxisRange& axis, int count) {
    std::vector<double> ticks;
    const double raw = axis.span() / std::max(1, count);
    if (!(raw > 0.0) || !std::isfinite(raw)) return ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double unit = raw / power;
    const double step = power * (unit < 1.5 ? 1.0 : unit < 3.5 ? 2.0 : unit < 7.5 ? 5.0 : 10.0);
    for (double tick = std::ceil(axis.low / step) * step; tick <= axis.high + step * 1e-9; tick += step)
        ticks.push_back(std::fabs(tick) < step * 1e-9 ? 0.0 : tick);
    return ticks;
}

}  // namespace vorlan
