#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "engine/EvwCalculator.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan::cli {

// The calculator's lower Calculate, with the calculator window's bounds on the gun and powder.
void addRecoilCommand(CLI::App& app) {
    auto* command = app.add_subcommand("recoil", translated("Recoil energy of a gun"));
    auto calculator = std::make_shared<EvwCalculator>();
    auto units = std::make_shared<UnitSystem>(UnitSystem::Imperial);
    addUnitSystemOption(command, *units, N_("grams, m/s, kilograms of gun and joules"), false);
    command->add_option("--weight", calculator->weight, translated("Bullet weight, grains (grams in metric)"))
        ->required()
        ->transform(typedNotNegative(Quantity::Weight, *units));
    command->add_option("--velocity", calculator->velocity, translated("Velocity, ft/s (m/s in metric)"))
        ->required()
        ->transform(typedNotNegative(Quantity::Velocity, *units));
    command->add_option("--powder", calculator->powderWeight, translated("Powder weight, grains (grams in metric)"))
        ->required()
        ->transform(typedWithin(Quantity::Weight, *units, 0, 200));
    command->add_option("--gun", calculator->gunWeight, translated("Gun weight, ounces (kilograms in metric)"))
        ->required()
        ->transform(typedWithin(Quantity::GunWeight, *units, 1, 1000));
    command->callback([=] {
        if (!calculator->calculateRecoil()) throw NoResult(translated("no recoil energy for these values"));
        printValue(std::cout, "recoil_energy",
                   cFormat("%g", shownIn(calculator->recoilEnergy, Quantity::Energy, *units)));
    });
}

}  // namespace vorlan::cli
