#pragma once
// The range table report: the shot flown as entered and once more without wind, the
// windage counted from where the windless shot strikes at the sight-in range, and the text
// of the report (a header that repeats the inputs, column headings, one row per increment).
//
//   ShotParameters -> RangeTableReport (two trajectories, windage correction)
//                  -> printedRows() -> rangeTableLines() -> window, printer, saved text

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Catalogue.h"
#include "engine/TrajectoryRows.h"
#include "engine/TrajectorySolver.h"
#include "engine/Units.h"
#include "shot/ShotParameters.h"

namespace vorlan {

// The words of a report: English as the designed report prints them and files keep them, or
// the chosen language (engine/Catalogue.h) for the table on screen. Only the words change:
// every line stays one line, and its figures stay as they are.
struct TableWords {
    bool chosen = false;
    const char* operator()(const char* text) const { return chosen ? translated(text) : text; }
    // A column's heading or unit, marked NC_("table column", ...).
    const char* column(const char* text) const { return chosen ? translatedIn("table column", text) : text; }
    std::string operator()(const char* text, std::initializer_list<std::string_view> values) const {
        return chosen ? translated(text, values) : filled(text, values);
    }
};
inline constexpr TableWords kChosenWords{true};

class RangeTableReport {
public:
    // Computes both trajectories of the shot and corrects the windage.
    explicit RangeTableReport(const ShotParameters& shot);

    // The muzzle angle of the table's trajectory in minutes of angle: the zeroed angle when
    // the shot asks for the correction, its own muzzle angle otherwise.
    double muzzleAngleMoa() const;
    // Air density of the table's trajectory, lb/ft^3.
    double airDensity() const { return table_.atmosphere.density; }
    // The rows at every multiple of rangeIncrement, with drops, windages and leads under
    // 0.005 inch set to exactly 0. None when rangeIncrement is not positive.
    std::vector<TrajectoryPoint> printedRows() const;
    // The same for every `step` yards (1: every recorded yard), whatever the increment.
    std::vector<TrajectoryPoint> rowsEvery(int step) const;
    // What the advanced effects add at the printed rows; empty when none is on.
    std::vector<EffectParts> printedEffectParts() const;
    std::vector<EffectParts> effectPartsEvery(int step) const;
    int rangeIncrement() const { return rangeIncrement_; }
    // The rows as a view in `units` prints them: with metric units and an increment typed in
    // metres (MetricShotKeys.h), one row at every increment of whole metres, read off the
    // every-yard flight at its range in yards (engine/TrajectoryRows.h); else printedRows().
    std::vector<TrajectoryPoint> printedRows(UnitSystem units) const;
    std::vector<EffectParts> printedEffectParts(UnitSystem units) const;
    const TrajectorySolver& tableTrajectory() const { return table_; }

private:
    int rangeIncrement_;
    double metricIncrement_;  // m; 0 when none was typed
    int incrementCount_;
    // The ranges in yards of the metric rows that the flight reaches.
    std::vector<double> metricRowYards() const;
    TrajectorySolver table_;      // the shot as entered, with its crosswind
    TrajectorySolver reference_;  // the same shot without wind
};

// Counts a trajectory's windage from where its windless reference strikes at the sight-in
// range (to one side of the line of sight when the sight is canted). The reference's spin
// drift and Coriolis drift there are taken out as an angle, in proportion to range; the
// rest as a constant. Nothing is subtracted when either trajectory ends before the sight-in row.
void correctWindage(TrajectorySolver& trajectory, const TrajectorySolver& reference, double sightInRange);

// The header line naming the effects beyond the designed flight that a trajectory flew with
// ("Effects:" and their names); empty when none was on. Every window and command that
// flies the shot names its effects with it. In the designed English and imperial units as
// the report prints it, or in a view's words and units (winds in km/h and zones in metres,
// temperatures in deg. C, pressure in hPa, velocities in m/s; twist stays in inches).
std::string effectsLine(const TrajectorySolver& trajectory, TableWords words = {},
                        UnitSystem units = UnitSystem::Imperial);
// The same for the shot's effects before a flight, naming a truing's drag scale too, and from
// the figures themselves.
std::string effectsLine(const ShotParameters& shot, TableWords words = {}, UnitSystem units = UnitSystem::Imperial);
std::string effectsLine(const AdvancedEffects& effects, double stability, double launchVelocity, double jumpAngle,
                        TableWords words = {}, UnitSystem units = UnitSystem::Imperial);

// The header's coefficient: "0.5050 (G1)" as designed; with a custom drag table or bands in
// force, what the flight takes its drag from.
std::string coefficientText(const ShotParameters& shot);
// What a coefficient fitted to the drag function means for a shot flown with a custom drag
// table or coefficient bands; empty for a shot flown as designed.
std::string coefficientNote(const ShotParameters& shot);

// Why the table ends before its last increment ("Table ends at 1,650 yd: the bullet fell more
// than 1,999.9 in. below the line of sight after 1,699 yd."); empty when it reaches it. The
// header carries it after the effects line, and the table window under the table. In metric
// `units` it speaks metres, and a table of rows typed in metres ends where those rows end.
std::string tableEndNote(const ShotParameters& shot, const RangeTableReport& report, TableWords words = {},
                         UnitSystem units = UnitSystem::Imperial);

// The header line naming a truing in force: "Trued: velocity 2651 ft/s, drag scale 1.00–1.04";
// empty without a drag scale.
std::string truingLine(const TrajectorySolver& trajectory, TableWords words = {},
                       UnitSystem units = UnitSystem::Imperial);

// The effects line and the truing line, each when it is not empty.
void forEachEffectsLine(const TrajectorySolver& trajectory, const std::function<void(std::string&&)>& take,
                        TableWords words = {}, UnitSystem units = UnitSystem::Imperial);
// The widest line of the header: a longer effects or truing line is wrapped at blanks to it,
// tabs expanded, and goes on under its text after two tabs.
inline constexpr std::size_t kHeaderLineWidth = 91;
std::vector<std::string> wrappedHeaderLine(const std::string& line);

// A zeroed muzzle elevation as the dialog keeps it: minutes of angle rounded to three decimals.
double shownMuzzleAngle(double elevationRadians);

// With the correction on and a zero that settled, stores the zeroed angle rounded to three
// decimals, as it is shown. A failed zero leaves the shot's angle alone: its elevation can lie
// far outside what the muzzle-angle field accepts.
void storeZeroedAngle(ShotParameters& shot, const TrajectorySolver& trajectory);
// The Range Table command's effect on the shot.
void writeBackMuzzleAngle(ShotParameters& shot, const RangeTableReport& report);

// Why the zeroing of a trajectory failed (which range, what happened); empty when it did not
// fail or was not asked for.
std::string zeroWarning(const ShotParameters& shot, const TrajectorySolver& trajectory);

// The header lines that repeat the shot's inputs and the air density, from "BC:" to the
// percentage of sea level, as the designed table prints them.
std::vector<std::string> shotHeaderLines(const ShotParameters& shot, const RangeTableReport& report,
                                         TableWords words = {});
// The last header line: the air density as a percentage of the standard sea-level density.
std::string seaLevelDensityLine(double density, TableWords words);
// Sectional density (lb/in^2), "%.3f": from the caliber's leading number when it is below 1
// (inches, ".308"), else from the diameter in use (Bullet Diameter, else the caliber's);
// "-----" when neither gives one.
std::string sectionalDensityText(const ShotParameters& shot);

// Header lines and rows as the table window shows them; the name line ends in its own
// "\r\n", the rest carry no terminator; tabs stay in the lines.
std::vector<std::string> rangeTableLines(const ShotParameters& shot, const RangeTableReport& report,
                                         TableWords words = {});
// The same lines one at a time, so that a long table need not be held whole.
void forEachRangeTableLine(const ShotParameters& shot, const RangeTableReport& report,
                           const std::function<void(std::string&&)>& take, TableWords words = {});
// The name line, ending in its own "\r\n".
std::string tableNameLine(const ShotParameters& shot, TableWords words);

// A row as the table prints it: drop, windage and lead under 0.005 inch set to exactly 0.
TrajectoryPoint printedRow(TrajectoryPoint row);

// One row of the table, 89 characters wide.
std::string rangeTableRow(const TrajectoryPoint& row);

}  // namespace vorlan
