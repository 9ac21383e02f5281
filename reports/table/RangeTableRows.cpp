// The range table's rows at whole metres: a metric table read off the every-yard flight.
#include <cmath>

#include "reports/table/RangeTable.h"
#include "shot/Units.h"

namespace vorlan {

std::vector<double> RangeTableReport::metricRowYards() const {
    std::vector<double> yards;
    for (int k = 0; k <= incrementCount_; ++k)
        yards.push_back(toDesigned(k * metricIncrement_, Quantity::Distance, Unit::Metre));
    return yards;
}

std::vector<TrajectoryPoint> RangeTableReport::printedRows(UnitSystem units) const {
    if (units != UnitSystem::Metric || metricIncrement_ <= 0.0) return printedRows();
    std::vector<TrajectoryPoint> rows;
    for (const double yards : metricRowYards()) {
        const std::optional<TrajectoryPoint> row = rowAt(table_.rows, yards);
        if (!row) break;
        rows.push_back(printedRow(*row));
    }
    return rows;
}

std::vector<EffectParts> RangeTableReport::printedEffectParts(UnitSystem units) const {
    if (units != UnitSystem::Metric || metricIncrement_ <= 0.0) return printedEffectParts();
    const std::vector<EffectParts>& parts = table_.effectParts;
    std::vector<EffectParts> shown;
    for (const double yards : metricRowYards()) {
        const auto below = static_cast<std::size_t>(yards);
        if (below + 1 >= parts.size()) break;
        const double f = yards - static_cast<double>(below);
        const EffectParts& a = parts[below];
        const EffectParts& b = parts[below + 1];
        const auto mix = [f](double x, double y) { return x + (y - x) * f; };
        shown.push_back({mix(a.spinDrift, b.spinDrift), mix(a.coriolisHorizontal, b.coriolisHorizontal),
                         mix(a.coriolisVertical, b.coriolisVertical), mix(a.aerodynamicJump, b.aerodynamicJump)});
    }
    return shown;
}

std::optional<TrajectoryPoint> rowAt(const std::vector<TrajectoryPoint>& rows, double yards) {
    const double below = std::floor(yards);
    if (rows.empty() || !(yards >= 0.0) || below > static_cast<double>(rows.size() - 1)) return std::nullopt;
    const TrajectoryPoint& a = rows[static_cast<std::size_t>(below)];
    if (yards == below) return a;
    if (below + 1.0 > static_cast<double>(rows.size() - 1)) return std::nullopt;
    const TrajectoryPoint& b = rows[static_cast<std::size_t>(below) + 1];
    const double f = yards - below;
    const auto mix = [f](double x, double y) { return x + (y - x) * f; };
    return TrajectoryPoint{yards,
                           mix(a.velocity, b.velocity),
                           mix(a.energy, b.energy),
                           mix(a.momentum, b.momentum),
                           mix(a.drop, b.drop),
                           mix(a.windage, b.windage),
                           mix(a.lead, b.lead),
                           mix(a.time, b.time)};
}

}  // namespace vorlan
