#pragma once
// vorlan-cli: the engine and reports without a window. Each subcommand registers itself on
// the application; results are printed one "label: value" line each, formatted as the
// windows show them.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "shot/ShotParameters.h"

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

// Option checks: a number within [lowest, highest], and a number that is not negative (as
// the calculator's edits refuse a minus sign). NaN passes neither.
CLI::Validator numberWithin(double lowest, double highest);
CLI::Validator notNegative();

// An entry point of a renderer module (chart/ChartRenderer.h, reports/FieldCardRenderer.h);
// throws UsageError when the module or the entry is missing.
void* rendererEntry(const char* moduleFile, const char* symbol);

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
void addCardCommand(CLI::App& app);

}  // namespace vorlan::cli
