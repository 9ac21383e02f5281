// The range table's rows at whole metres: a metric table read off the every-yard flight.
#include <cmath>

#include "reports/table/RangeTable.h"
#include "shot/Units.h"

namespace vorlan {

namespace {

double between(double x, double y, double f) { return x + (y - x) * f; }

// What the every-yard `values` hold at `yards`: the value at a whole yard, else the one on the
// straight line between the yards either side (`mix` of the two and the fraction). None
// beyond the last value.
template <class T, class Mix>
std::optional<T> readAt(const std::vector<T>& values, double yards, Mix mix) {
    const double below = std::floor(yards);
    if (values.empty() || !(yards >= 0.0) || below > static_cast<double>(values.size() - 1)) return std::nullopt;
    const T& a = values[static_cast<std::size_t>(below)];
    if (yards == below) return a;
    if (below + 1.0 > static_cast<double>(values.size() - 1)) return std::nullopt;
    return mix(a, values[static_cast<std::size_t>(below) + 1], yards - below);
}

}  // namespace

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
    std::vector<EffectParts> shown;
    for (const double yards : metricRowYards()) {
        const std::optional<EffectParts> parts =
            readAt(table_.effectParts, yards, [](const EffectParts& a, const EffectParts& b, double f) {
                return EffectParts{between(a.spinDrift, b.spinDrift, f),
                                   between(a.coriolisHorizontal, b.coriolisHorizontal, f),
                                   between(a.coriolisVertical, b.coriolisVertical, f),
                                   between(a.aerodynamicJump, b.aerodynamicJump, f)};
            });
        if (!parts) break;
        shown.push_back(*parts);
    }
    return shown;
}

std::optional<TrajectoryPoint> rowAt(const std::vector<TrajectoryPoint>& rows, double yards) {
    return readAt(rows, yards, [yards](const TrajectoryPoint& a, const TrajectoryPoint& b, double f) {
        return TrajectoryPoint{yards,
                               between(a.velocity, b.velocity, f),
                               between(a.energy, b.energy, f),
                               between(a.momentum, b.momentum, f),
                               between(a.drop, b.drop, f),
                               between(a.windage, b.windage, f),
                               between(a.lead, b.lead, f),
                               between(a.time, b.time, f)};
    });
}

}  // namespace vorlan
