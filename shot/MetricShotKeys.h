#pragma once
// The metric figures of a shot in its file, after the designed lines, each on a line of its
// own beside the designed key it belongs to:
//
//   "Metric Velocity:800"  "Metric Weight:10.9"  "Metric Sight Height:4.5"
//   "Metric Sight-In Range:100"  "Metric Range Increment:50"  "Metric Target Range:300"
//   "Metric Barometric Pressure:1013.25"
//
// in m/s, g, cm, m and hPa, written only while a metric figure is set and agrees with its
// designed value, so an imperial shot's file is as it was. A reader that knows only the
// designed keys passes over them and reads the designed value, converted; this reader takes
// the figure when the designed line read before it holds its conversion, and the exact
// conversion as the designed value.

#include <optional>
#include <string>
#include <string_view>

#include "shot/ShotParameters.h"
#include "shot/Units.h"

namespace vorlan {

// The metric figure of a designed key ("Sight-In Range") while it agrees with the designed
// value; none when none is set, it has been left behind, or the key has no metric figure.
std::optional<double> metricValue(const ShotParameters& shot, std::string_view designedKey);

// The shot's value of a designed key typed in `unit` of its quantity: the designed value is
// its exact conversion, and a metric figure keeps it when `unit` is the figure's unit. False
// when the key is not a number of a quantity, or `unit` is not one of its units.
bool storeTypedValue(ShotParameters& shot, std::string_view designedKey, double value, Unit unit);

// "Sight-In Range must be between 1 and 4572 m" when a value typed in `unit` lies outside its
// main-dialog field's bounds, rounded inwards to the field's decimals; else empty.
std::string typedValueProblem(std::string_view designedKey, double value, Unit unit);

// The quantity of a designed key's value ("Velocity": Velocity); none for a key without one.
std::optional<Quantity> keyQuantity(std::string_view designedKey);

// The lines of the metric figures that agree with their designed values, each ending CR CR LF.
std::string metricShotFileText(const ShotParameters& shot);
// Stores a metric line's figure; false when the line begins with no metric key. A value that
// is not a number (or not a whole number of metres for the increment) is told in `problem`.
bool applyMetricShotLine(std::string_view line, ShotParameters& shot, std::string* problem = nullptr);

// A metric table that runs longer than the longest table (4572 m): its message; else empty.
std::string metricInputProblem(const ShotParameters& shot);

// The metric range increment while it agrees, in metres; 0 when none is set.
double metricRangeIncrement(const ShotParameters& shot);

}  // namespace vorlan
