#include <cmath>
#include <cstdlib>
#include <ostream>

#include "cli/Commands.h"
#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"

namespace vorlan::cli {

ShotParameters loadShot(const std::string& path, ShotCheck check) {
    std::string bytes;
    const FileOutcome outcome = readRegularFile(path, bytes);
    if (!outcome) throw UsageError("cannot read shot file '" + path + "': " + outcome.reason());
    ShotParameters shot;
    std::vector<std::string> problems;
    if (!readShotTextTelling(bytes, shot, ShotReadMode::Load, problems))
        throw UsageError("'" + path + "' is not a shot file: it holds no shot-file line");
    if (problems.empty() && check == ShotCheck::Whole) problems = shotProblems(shot);
    if (!problems.empty()) throw UsageError(path + ": " + problems.front());
    return shot;
}

void printValue(std::ostream& out, const char* label, const std::string& value) {
    out << label << ": " << value << '\n';
}

void printEffects(std::ostream& out, const char* label, const ShotParameters& shot) {
    const std::string line = effectsLine(shot);
    const std::string_view prefix = "Effects:\t";
    if (line.size() > prefix.size()) printValue(out, label, line.substr(prefix.size()));
}

namespace {

// The whole text as one number, or NaN.
double wholeNumber(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() ? value : std::nan("");
}

}  // namespace

CLI::Validator numberWithin(double lowest, double highest) {
    const std::string description = "a number from " + cFormat("%g", lowest) + " to " + cFormat("%g", highest);
    return CLI::Validator(
        [=](std::string& text) {
            const double value = wholeNumber(text);
            return value >= lowest && value <= highest ? std::string() : "'" + text + "' is not " + description;
        },
        description);
}

CLI::Validator notNegative() {
    return CLI::Validator(
        [](std::string& text) {
            const double value = wholeNumber(text);
            return value >= 0.0 && std::isfinite(value) ? std::string() : "'" + text + "' is not a number of 0 or more";
        },
        "a number of 0 or more");
}

}  // namespace vorlan::cli
