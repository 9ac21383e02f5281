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

namespace {

// What `read` finds at each range, up to the first where it finds nothing.
template <class T, class Read>
std::vector<T> readUntilNone(const std::vector<double>& ranges, Read read) {
    std::vector<T> values;
    for (const double yards : ranges) {
        const std::optional<T> value = read(yards);
        if (!value) break;
        values.push_back(*value);
    }
    return values;
}

}  // namespace

std::vector<TrajectoryPoint> RangeTableReport::printedRows(UnitSystem units) const {
    if (units != UnitSystem::Metric || metricIncrement_ <= 0.0) return printedRows();
    return readUntilNone<TrajectoryPoint>(metricRowYards(), [this](double yards) {
        const std::optional<TrajectoryPoint> row = rowAt(table_.rows, yards);
        return row ? std::optional<TrajectoryPoint>(printedRow(*row)) : std::nullopt;
    });
}

std::vector<EffectParts> RangeTableReport::printedEffectParts(UnitSystem units) const {
    if (units != UnitSystem::Metric || metricIncrement_ <= 0.0) return printedEffectParts();
    return readUntilNone<EffectParts>(metricRowYards(),
                                      [this](double yards) { return effectPartsAt(table_.effectParts, yards); });
}

}  // namespace vorlan
