#include "chart/ChartSeries.h"

#include <algorithm>
#include <cmath>

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan {

std::optional<std::size_t> transonicRow(const ChartSeries& series, double mach) {
    const double limit = mach * series.speedOfSound;
    if (series.rows.empty() || !(series.rows.front().velocity >= limit)) return std::nullopt;
    const auto below = std::find_if(series.rows.begin(), series.rows.end(),
                                    [limit](const TrajectoryPoint& row) { return row.velocity < limit; });
    if (below == series.rows.end()) return std::nullopt;
    return static_cast<std::size_t>(below - series.rows.begin());
}

std::optional<std::size_t> maximumOrdinateRow(const ChartSeries& series) {
    if (series.rows.empty()) return std::nullopt;
    const auto highest =
        std::max_element(series.rows.begin(), series.rows.end(),
                         [](const TrajectoryPoint& a, const TrajectoryPoint& b) { return a.drop < b.drop; });
    return static_cast<std::size_t>(highest - series.rows.begin());
}

std::optional<std::size_t> nearestRow(const ChartSeries& series, double range) {
    if (series.rows.empty() || std::isnan(range)) return std::nullopt;
    const double last = static_cast<double>(series.rows.size() - 1);
    return static_cast<std::size_t>(std::lround(std::clamp(range, 0.0, last)));
}

std::optional<double> cursorRangeNear(const ChartSeries& series, double range, UnitSystem units) {
    const std::optional<std::size_t> row = nearestRow(series, range);
    if (!row) return std::nullopt;
    if (!series.wholeMetres || units != UnitSystem::Metric) return series.rows[*row].range;
    // The engine's factor itself: the renderer module carries no copy of the units' door.
    const double last = std::floor(yardsToMetres(series.rows.back().range));
    return std::clamp(std::round(yardsToMetres(range)), 0.0, last) / kMetresPerYard;
}

ChartReadout chartReadout(const TrajectoryPoint& row, UnitSystem units) {
    // The report's own formatter and decimals, so the readout shows the table's numbers.
    const TrajectoryPoint& p = row;
    const double dropInches = p.drop * 12.0;
    const auto fixed = [](double value, int decimals) {
        std::string text;
        appendFixed(text, value, 0, decimals);
        return text;
    };
    const std::string elevation = p.range > 0.0 ? fixed(dropInches / (p.range / 100.0), 2) : std::string("-----");
    if (units == UnitSystem::Metric)
        return {{{N_("Range (m)"), fixed(yardsToMetres(p.range), 1)},
                 {N_("Drop (cm)"), fixed(inchesToCentimetres(dropInches), 2)},
                 {N_("Velocity (m/s)"), fixed(fpsToMetresPerSecond(p.velocity), 1)},
                 {N_("Energy (J)"), fixed(footPoundsToJoules(p.energy), 1)},
                 {N_("Momentum (N-s)"), fixed(poundSecondsToNewtonSeconds(p.momentum), 4)},
                 {N_("Windage (cm)"), fixed(inchesToCentimetres(p.windage * 12.0), 2)},
                 {N_("Lead (cm)"), fixed(inchesToCentimetres(p.lead * 12.0), 1)},
                 {N_("Time (s)"), fixed(p.time, 3)},
                 {N_("Elevation (moa)"), elevation}}};
    return {{{N_("Range (yd)"), fixed(p.range, 0)},
             {N_("Drop (in)"), fixed(dropInches, 2)},
             {N_("Velocity (ft/s)"), fixed(p.velocity, 1)},
             {N_("Energy (ft-lb)"), fixed(p.energy, 1)},
             {N_("Momentum (lb-s)"), fixed(p.momentum, 4)},
             {N_("Windage (in)"), fixed(p.windage * 12.0, 2)},
             {N_("Lead (in)"), fixed(p.lead * 12.0, 1)},
             {N_("Time (s)"), fixed(p.time, 3)},
             {N_("Elevation (moa)"), elevation}}};
}

}  // namespace vorlan
