#pragma once
// What the shooter saw at real ranges, kept to true the shot (Truing.h): per range, the
// elevation dialled or held to hit the centre, the drop with the shot's own zero, a measured
// velocity, a time of flight, each one optional, and how sure each reading is.
//
// The observations travel with the shot under a key of their own, written only when there
// are some, and the drag scale a truing fits under another:
//   "Observations:"  a header item naming the columns, then one item per range:
//                    "range_yd up_moa drop_in;300 2.25 -;600 9.5 -" ("-" is a blank cell)
//   "Drag Scale:"    Mach-factor pairs "M factor;M factor;..."
// A CSV file holds the same table: a header row with range_yd and any of the other columns.

#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/AdvancedEffects.h"
#include "shot/Units.h"

namespace vorlan {

// The bounds of a drag scale's factor.
inline constexpr double kLowestDragScale = 0.5;
inline constexpr double kHighestDragScale = 2.0;

// One observed range; NaN is a blank cell.
struct Observation {
    double range = std::nan("");       // yd
    double upMoa = std::nan("");       // true MOA dialled up to hit the centre
    double upMil = std::nan("");       // mil dialled up
    double upClicks = std::nan("");    // clicks of the shot's click value dialled up
    double dropInches = std::nan("");  // inches above the line of sight, as the table's Drop column
    double velocity = std::nan("");    // ft/s measured at the range
    double time = std::nan("");        // s of flight
    double sigmaMoa = std::nan("");    // uncertainty of the holds and the drop, MOA
    double sigmaFps = std::nan("");    // uncertainty of the velocity, ft/s
    // Whether any reading besides the range is given.
    bool observesSomething() const;
};

// The columns, in the order they are written: the name in the CSV header and the member.
struct ObservationColumn {
    std::string_view name;
    double Observation::*member;
};
extern const ObservationColumn kObservationColumns[9];

// Reading a table: `error` is empty on success, else it says what is wrong and where.
struct ObservationTable {
    std::vector<Observation> observations;
    std::string error;
};

// A CSV text: the header row names the columns (any order, range_yd required); cells are
// separated by commas, or by semicolons or tabs in a row that may write its decimals with a
// comma ("300;4,7"); a byte order mark is passed over, a blank line is skipped; every row
// needs a range and at least one reading, each within observationProblem's bounds. Past
// kMaxLines lines, a line longer than kMaxLineBytes or a NUL byte is an error naming its line.
ObservationTable parseObservationsCsv(std::string_view text);
// Reads the file through the safe reader; a file longer than kMaxReadBytes is an error.
ObservationTable loadObservationsCsv(const std::string& path);
// The table as CSV, the columns that hold a value, LF line ends.
std::string observationsCsvText(const std::vector<Observation>& observations);

// The shot-file value of "Observations:" and back; a list is read whole or not at all: an item
// that does not read, or an observation out of bounds, leaves the list empty and is told in
// `problem`, naming the item.
std::string observationsKeyText(const std::vector<Observation>& observations);
std::vector<Observation> parseObservationsKeyText(std::string_view text, std::string* problem = nullptr);

// The first observation outside its bounds, as a message naming it, its range told in
// `distanceUnit`; empty when all fit.
std::string observationProblem(const Observation& observation, Unit distanceUnit = Unit::Yard);
// The bounds observationProblem holds the readings of column `column` (of kObservationColumns)
// to, in the column's own unit.
std::pair<double, double> observationBounds(std::size_t column);

// "M factor;M factor;..." both ways; an item that is not two numbers leaves the list empty,
// its number in `badItem`.
std::string dragScaleText(const std::vector<DragScalePoint>& points);
std::vector<DragScalePoint> parseDragScaleText(std::string_view text, std::size_t* badItem = nullptr);
// The drag scale outside its bounds, as a message naming the key; empty when it fits.
std::string dragScaleProblem(const std::vector<DragScalePoint>& points);

// The drag scale's smallest and largest factor as the table names a truing in force: "1.00–1.04",
// or one factor when they agree to two decimals.
std::string dragScaleSpan(const std::vector<DragScalePoint>& points);

// The shot-file lines of the two keys (only those that are set) and their reader: a list that
// does not read whole is left unstored and told in `problem`.
std::string truingShotFileText(const std::vector<Observation>& observations, const AdvancedEffects& effects);
bool applyTruingShotLine(std::string_view line, std::vector<Observation>& observations, AdvancedEffects& effects,
                         std::string* problem = nullptr);

}  // namespace vorlan
