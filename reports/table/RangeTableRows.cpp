// The range table's rows at whole metres: a metric table read off the every-yard flight.
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
    std::vector<EffectParts> shown;
    for (const double yards : metricRowYards()) {
        const std::optional<EffectParts> parts = effectPartsAt(table_.effectParts, yards);
        if (!parts) break;
        shown.push_back(*parts);
    }
    return shown;
}

}  // namespace vorlan
