#include "reports/table/TableUnits.h"

namespace vorlan {

double smallLength(double inches, UnitSystem units) {
    return units == UnitSystem::Metric ? inchesToCentimetres(inches) : inches;
}

RowInUnits rowInUnits(const TrajectoryPoint& row, UnitSystem units) {
    const RowInUnits inches{row.range,    row.drop * 12.0,    row.velocity,    row.energy,
                            row.momentum, row.windage * 12.0, row.lead * 12.0, row.time};
    if (units == UnitSystem::Imperial) return inches;
    return {yardsToMetres(inches.range),
            inchesToCentimetres(inches.drop),
            fpsToMetresPerSecond(inches.velocity),
            footPoundsToJoules(inches.energy),
            poundSecondsToNewtonSeconds(inches.momentum),
            inchesToCentimetres(inches.windage),
            inchesToCentimetres(inches.lead),
            inches.time};
}

double designedElevation(const TrajectoryPoint& row) { return row.drop * 12.0 / (row.range / 100.0); }

const UnitNames& unitNames(UnitSystem units) {
    static const UnitNames kImperial{"Yards", "inches", "ft/sec", "ft-lbs", "lb-sec", "yd", "in", "fps", "ftlb", "lbs"};
    static const UnitNames kMetric{"m", "cm", "m/sec", "joules", "N-sec", "m", "cm", "mps", "j", "ns"};
    return units == UnitSystem::Metric ? kMetric : kImperial;
}

}  // namespace vorlan
