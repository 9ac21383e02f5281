#include "reports/table/TableUnits.h"

#include <cmath>

#include "engine/Catalogue.h"

namespace vorlan {

double smallLength(double inches, UnitSystem units) {
    return units == UnitSystem::Metric ? inchesToCentimetres(inches) : inches;
}

RowInUnits rowInUnits(const TrajectoryPoint& row, UnitSystem units) {
    const RowInUnits inches{row.range,    row.drop * 12.0,    row.velocity,    row.energy,
                            row.momentum, row.windage * 12.0, row.lead * 12.0, row.time};
    if (units == UnitSystem::Imperial) return inches;
    // A range in metres to the nanometre: whole yards and whole metres read as the decimals
    // they are (3 yd is 2.7432 m, not 2.7432000000000003; a metric row 250 m, not 249.99999999999997).
    return {std::round(yardsToMetres(inches.range) * 1e9) / 1e9,
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
    // The text views' names are marked for the table on screen; the CSV's stay as they are.
    static const UnitNames kImperial{NC_("table column", "Yards"),
                                     NC_("table column", "inches"),
                                     NC_("table column", "ft/sec"),
                                     NC_("table column", "ft-lbs"),
                                     NC_("table column", "lb-sec"),
                                     "yd",
                                     "in",
                                     "fps",
                                     "ftlb",
                                     "lbs"};
    static const UnitNames kMetric{NC_("table column", "m"),
                                   NC_("table column", "cm"),
                                   NC_("table column", "m/sec"),
                                   NC_("table column", "joules"),
                                   NC_("table column", "N-sec"),
                                   "m",
                                   "cm",
                                   "mps",
                                   "j",
                                   "ns"};
    return units == UnitSystem::Metric ? kMetric : kImperial;
}

}  // namespace vorlan
