#pragma once
// A table row in the units of a report: yards, inches, ft/sec, ft-lbs, lb-sec as designed,
// or metres, centimetres, m/s, joules and newton-seconds. The table views and the CSV take
// their figures and unit names from here, so both convert alike.

#include <string_view>

#include "engine/TrajectorySolver.h"
#include "engine/Units.h"

namespace vorlan {

struct RowInUnits {
    double range;     // yd or m
    double drop;      // in or cm, above the line of sight
    double velocity;  // ft/s or m/s
    double energy;    // ft-lb or J
    double momentum;  // lb-s or N-s
    double windage;   // in or cm, right positive
    double lead;      // in or cm
    double time;      // s
};
RowInUnits rowInUnits(const TrajectoryPoint& row, UnitSystem units);

// An offset of inches in the small length unit of `units` (in or cm).
double smallLength(double inches, UnitSystem units);

// The designed "Elevation (moa)" figure: the drop in inches per hundred yards of range, with
// the drop's sign. It is not an angle, whatever the units of the view.
double designedElevation(const TrajectoryPoint& row);

// The names of the units as the text views head their columns and the CSV its fields.
struct UnitNames {
    std::string_view range, small, velocity, energy, momentum;                 // text views: "Yards", "inches"...
    std::string_view csvRange, csvSmall, csvVelocity, csvEnergy, csvMomentum;  // CSV: "yd", "in"...
};
const UnitNames& unitNames(UnitSystem units);

}  // namespace vorlan
