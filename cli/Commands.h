#pragma once
// vorlan-cli: the engine and reports without a window. Each subcommand registers itself on
// the application; results are printed one "label: value" line each, formatted as the
// windows show them.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/Units.h"
#include "shot/ShotParameters.h"
#include "shot/Units.h"

namespace vorlan::cli {

// A failure the user can mend (a file that cannot be read, a bad value): exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A calculation without a usable result: exit status 1.
struct NoResult : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads a shot file as the Load command does and checks the whole shot (ShotCheck.h), or with
// ShotCheck::LinesOnly only that its lines read whole. Throws UsageError, naming the file,
// when it cannot be read, holds no shot-file line at all, or fails its check.
enum class ShotCheck { Whole, LinesOnly };
ShotParameters loadShot(const std::string& path, ShotCheck check = ShotCheck::Whole);

// Prints "label: value".
void printValue(std::ostream& out, const char* label, const std::string& value);
// "label: " and the effects beyond the designed flight that the shot flies, as the range
// table's header names them; nothing when it flies as designed.
void printEffects(std::ostream& out, const char* label, const ShotParameters& shot);

// The one reader of numbers on the command line: the whole text, in decimal, and nothing
// that wraps or rounds. A finite number ("12", "-0.5", "1e3"); none for hexadecimal, inf, nan,
// spaces or trailing text.
std::optional<double> decimalNumber(std::string_view text);
// A whole number in decimal digits (a minus sign allowed) within [lowest, highest]; none for
// any other text, or a number beyond the bounds (however many digits it has).
std::optional<std::int64_t> wholeNumber(std::string_view text, std::int64_t lowest, std::int64_t highest);
std::optional<std::uint64_t> unsignedWholeNumber(std::string_view text);  // 0 to 2^64 - 1

// Option checks, run on the text as given: a number within [lowest, highest], any finite
// number, and a whole number within [lowest, highest] (unsignedWhole: 0 to 2^64 - 1).
CLI::Validator numberWithin(double lowest, double highest);
CLI::Validator finiteNumber();
CLI::Validator wholeWithin(std::int64_t lowest, std::int64_t highest);
CLI::Validator unsignedWhole();
// A value given as empty text is refused: leaving the option out gives its default.
CLI::Validator given();

// "metric" or "imperial", in any case; none for any other text.
std::optional<UnitSystem> unitSystemNamed(std::string_view text);
// The units a command prints in: --units metric|imperial, and with `metricFlag` --metric, its
// older spelling.
void addUnitSystemOption(CLI::App* command, UnitSystem& units, const std::string& metricMeans, bool metricFlag = true);
// --wind-unit mph|km/h|m/s: the unit a command's winds are typed in (left out: mph, or m/s
// with metric units).
void addWindUnitOption(CLI::App* command, std::optional<Unit>& unit);
// A value of `quantity` typed in `units`, handed on in its designed unit: within the designed
// [lowest, highest] once converted, refused with those bounds in the typed units. `units` is set
// by the command's --units option, which must be added before the option this checks (options
// are read in the order they were added).
CLI::Validator typedWithin(Quantity quantity, const UnitSystem& units, double lowest, double highest);
// As typedWithin, for a value of 0 or more.
CLI::Validator typedNotNegative(Quantity quantity, const UnitSystem& units);
// A designed value in `units`, and that unit's label ("m/s").
double shownIn(double designed, Quantity quantity, UnitSystem units);
const char* unitLabelIn(Quantity quantity, UnitSystem units);

// An entry point of a renderer module (chart/ChartRenderer.h, reports/FieldCardRenderer.h);
// throws UsageError when the module or the entry is missing.
void* rendererEntry(const char* moduleFile, const char* symbol);

// vorlan-cli itself: chooses the language, sets up the commands, runs the one named; the
// exit status.
int run(int argc, char** argv);

void addTableCommand(CLI::App& app);
void addDensityCommand(CLI::App& app);
void addWriteCommand(CLI::App& app);
void addMaxRangeCommand(CLI::App& app);
void addBcCommand(CLI::App& app);
void addOpbzCommand(CLI::App& app);
void addCompareCommand(CLI::App& app);
void addCalcCommand(CLI::App& app);
void addRecoilCommand(CLI::App& app);
void addChartCommand(CLI::App& app);
void addStabilityCommand(CLI::App& app);
void addHitCommand(CLI::App& app);
void addCardCommand(CLI::App& app);
void addTrueCommand(CLI::App& app);
void addLibraryCommand(CLI::App& app);
void addImportCommand(CLI::App& app);
void addExportCommand(CLI::App& app);
void addChronoCommand(CLI::App& app);
void addReticleCommand(CLI::App& app);

}  // namespace vorlan::cli
