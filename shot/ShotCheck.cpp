#include "shot/ShotCheck.h"

#include <algorithm>

#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/CLocaleNumbers.h"
#include "shot/HitShotKeys.h"
#include "shot/MetricShotKeys.h"
#include "shot/PrintableText.h"
#include "shot/TextShotKeys.h"

namespace vorlan {

namespace {

// The file key of a dialog field; its caption for a field that no line stores.
std::string keyOf(const ShotField& field) {
    for (const ShotFileLine& line : shotFileLines())
        if (line.member == field.member) return std::string(line.key);
    return field.caption();
}

// The problem of one dialog field; empty when it fits.
std::string fieldProblem(const ShotField& field, const ShotParameters& shot) {
    const std::string key = keyOf(field);
    switch (field.kind) {
        case FieldKind::Number: {
            const double value = shot.*std::get<double ShotParameters::*>(field.member);
            const bool station = field.member == FieldMember(&ShotParameters::pressure) && shot.stationPressure;
            const double lowest = station ? kLowestStationPressure : field.minimum;
            if (value >= lowest && value <= field.maximum) return {};
            return translated("%1: %2 is not a number between %3 and %4",
                              {key, cShowDouble(value), cShowDouble(lowest), cShowDouble(field.maximum)});
        }
        case FieldKind::WholeNumber: {
            const int value = shot.*std::get<int ShotParameters::*>(field.member);
            if (value >= field.minimum && value <= field.maximum) return {};
            return translated("%1: %2 is not a whole number between %3 and %4",
                              {key, cShowInt(value), cShowDouble(field.minimum), cShowDouble(field.maximum)});
        }
        case FieldKind::Text: {
            // The density texts are shown, never stored or read.
            if (std::none_of(shotFileLines().begin(), shotFileLines().end(),
                             [&](const ShotFileLine& line) { return line.member == field.member; }))
                return {};
            const std::string& value = shot.*std::get<std::string ShotParameters::*>(field.member);
            if (characterCount(value) <= static_cast<std::size_t>(field.maxLength)) return {};
            return translated("%1: the text is longer than %2 characters", {key, cShowInt(field.maxLength)});
        }
        case FieldKind::RadioGroup: {
            // -1 stands for no button checked and is flown with G1, as the dialog does.
            const int value = shot.*std::get<int ShotParameters::*>(field.member);
            if (value >= -1 && value < kDragFunctionCount) return {};
            return translated("%1: %2 is not a drag function between 0 and %3",
                              {key, cShowInt(value), cShowInt(kDragFunctionCount - 1)});
        }
        case FieldKind::Check:
            return {};
    }
    return {};
}

}  // namespace

std::vector<std::string> shotProblems(const ShotParameters& shot) {
    std::vector<std::string> problems;
    for (const ShotField& field : shotFields())
        if (std::string problem = fieldProblem(field, shot); !problem.empty()) problems.push_back(std::move(problem));
    const long long length = static_cast<long long>(shot.rangeIncrement) * shot.incrementCount;
    if (problems.empty() && length > kLongestTable)
        problems.push_back(
            translated("Number of Increments: %1 rows of %2 yd make a table longer than %3 yd",
                       {cShowInt(shot.incrementCount), cShowInt(shot.rangeIncrement), cShowInt(kLongestTable)}));
    if (std::string problem = metricInputProblem(shot); problems.empty() && !problem.empty())
        problems.push_back(std::move(problem));
    if (std::string problem = advancedInputProblem(shot.advanced); !problem.empty())
        problems.push_back(std::move(problem));
    if (std::string problem = hitInputProblem(shot.hit); !problem.empty()) problems.push_back(std::move(problem));
    if (std::string problem = textInputProblem(shot); !problem.empty()) problems.push_back(std::move(problem));
    return problems;
}

std::string shotProblem(const ShotParameters& shot) {
    std::vector<std::string> problems = shotProblems(shot);
    return problems.empty() ? std::string() : std::move(problems.front());
}

}  // namespace vorlan
