#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "reports/comparison/ShotComparison.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan::cli {

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
        const ComparisonTexts texts = shootComparison(baseline, current, UnitChoice::preset(*units));
        if (texts.targetRange.empty()) throw NoResult(translated("no row to compare: %1", {texts.status}));
        printValue(std::cout, "range", texts.targetRange);
        printValue(std::cout, "drop", texts.relativeDrop);
        printValue(std::cout, "drift", texts.relativeDrift);
        printValue(std::cout, "status", texts.status);
        printEffects(std::cout, "baseline_effects", baselineShot);
        printEffects(std::cout, "effects", current);
    });
}

}  // namespace vorlan::cli
