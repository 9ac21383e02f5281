#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/MetricShotKeys.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan::cli {

namespace {

// "Velocity:800 m/s": a number of a quantity followed by a unit, stored as typed (a metric
// figure keeps it exactly). False for any other line, which is read as the file reads it.
bool applyLineWithUnit(std::string_view line, ShotParameters& shot) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view value = trimmedBlanks(line.substr(colon + 1));
    const std::size_t blank = value.find_last_of(" \t");
    if (blank == std::string_view::npos) return false;
    for (const ShotFileLine& fileLine : shotFileLines()) {
        const std::optional<Quantity> quantity = keyQuantity(fileLine.key);
        if (!quantity || !equalsNoCase(line.substr(0, colon), fileLine.key)) continue;
        const std::string key(fileLine.key);
        const std::string_view numberText = trimmedBlanks(value.substr(0, blank)), unitText = value.substr(blank + 1);
        const std::optional<double> number = decimalNumber(numberText);
        if (!number) throw UsageError(translated("%1: \"%2\" is not a number", {key, numberText}));
        const std::optional<Unit> unit = unitNamed(*quantity, unitText);
        if (!unit)
            throw UsageError(
                translated("%1: unknown unit '%2'; use one of %3", {key, unitText, unitTokens(*quantity)}));
        if (const std::string problem = typedValueProblem(fileLine.key, *number, *unit); !problem.empty())
            throw UsageError(problem);
        return storeTypedValue(shot, fileLine.key, *number, *unit);
    }
    return false;
}

}  // namespace

// Writes a shot file with the program's own writer: the defaults (or another shot file),
// changed by shot-file lines given on the command line.
void addWriteCommand(CLI::App& app) {
    auto* command =
        app.add_subcommand("write", translated("Write a shot file from the defaults and \"Key:value\" lines"));
    auto out = std::make_shared<std::string>();
    auto from = std::make_shared<std::string>();
    auto lines = std::make_shared<std::vector<std::string>>();
    command->add_option("out", *out, translated("Shot file to write (.vxf)"))->required();
    command->add_option("--from", *from, translated("Start from this shot file instead of the defaults"));
    command->add_option(
        "--line", *lines,
        translated(
            "A shot-file line such as \"BC:0.243\", a number with its unit, as \"Velocity:800 m/s\", in any unit "
            "the program shows it in (repeatable)"));
    command->callback([out, from, lines] {
        // The lines may mend what the file holds: the whole shot is checked once they are in.
        ShotParameters shot = from->empty() ? ShotParameters{} : loadShot(*from, ShotCheck::LinesOnly);
        for (const std::string& line : *lines) {
            if (applyLineWithUnit(line, shot)) continue;
            if (!applyShotLine(line, shot, ShotReadMode::Load))
                throw UsageError(translated("not a shot-file line: '%1'", {line}));
            if (const std::string problem = shotLineProblem(line, true); !problem.empty()) throw UsageError(problem);
        }
        if (const std::string problem = shotProblem(shot); !problem.empty()) throw UsageError(problem);
        const FileOutcome outcome = writeShotFile(*out, shot);
        if (!outcome) throw UsageError(translated("cannot write shot file '%1': %2", {*out, outcome.reason()}));
    });
}

}  // namespace vorlan::cli
