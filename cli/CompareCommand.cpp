#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "reports/comparison/ShotComparison.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan::cli {

namespace {

// The compared row and the differences of a comparison made, in metres and centimetres.
void metricFigures(ComparisonTexts& texts, const ShotBaseline& baseline, const ShotParameters& current) {
    const ShotComparison compared =
        compareShots(baseline.trajectory, comparisonTrajectory(current), current.targetRange);
    const auto shown = [](const char* format, double value, Quantity quantity) {
        return cFormat(format, shownIn(value, quantity, UnitSystem::Metric));
    };
    texts.targetRange = shown("%.0f", compared.range, Quantity::Distance);
    texts.relativeDrop = shown("%.2f", compared.relativeDrop, Quantity::Offset);
    texts.relativeDrift = shown("%.2f", compared.relativeDrift, Quantity::Offset);
}

}  // namespace

// Set Baseline with the first shot file, then Shoot with the second.
void addCompareCommand(CLI::App& app) {
    auto* command =
        app.add_subcommand("compare", translated("Compare a shot with a baseline shot at its target range"));
    auto baselinePath = std::make_shared<std::string>();
    auto currentPath = std::make_shared<std::string>();
    auto units = std::make_shared<UnitSystem>(UnitSystem::Imperial);
    command->add_option("baseline", *baselinePath, translated("Baseline shot file (.vxf)"))->required();
    command->add_option("current", *currentPath, translated("Current shot file (.vxf)"))->required();
    addUnitSystemOption(command, *units, N_("the range in metres, the differences in centimetres"), false);
    command->callback([=] {
        ShotParameters baselineShot = loadShot(*baselinePath);
        const ShotParameters current = loadShot(*currentPath);
        const std::optional<ShotBaseline> baseline = setBaseline(baselineShot);
        ComparisonTexts texts = shootComparison(baseline, current);
        if (texts.targetRange.empty()) throw NoResult(translated("no row to compare: %1", {texts.status}));
        if (*units == UnitSystem::Metric) metricFigures(texts, *baseline, current);
        printValue(std::cout, "range", texts.targetRange);
        printValue(std::cout, "drop", texts.relativeDrop);
        printValue(std::cout, "drift", texts.relativeDrift);
        printValue(std::cout, "status", texts.status);
        printEffects(std::cout, "baseline_effects", baselineShot);
        printEffects(std::cout, "effects", current);
    });
}

}  // namespace vorlan::cli
