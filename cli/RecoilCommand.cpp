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
    command->add_option("--weight", calculator->weight, translated("Bullet weight, grains"))
        ->required()
        ->check(notNegative());
    command->add_option("--velocity", calculator->velocity, translated("Velocity, ft/s"))
        ->required()
        ->check(notNegative());
    command->add_option("--powder", calculator->powderWeight, translated("Powder weight, grains"))
        ->required()
        ->check(numberWithin(0, 200));
    command->add_option("--gun", calculator->gunWeight, translated("Gun weight, ounces"))
        ->required()
        ->check(numberWithin(1, 1000));
    command->callback([=] {
        if (!calculator->calculateRecoil()) throw NoResult(translated("no recoil energy for these values"));
        printValue(std::cout, "recoil_energy", cFormat("%g", calculator->recoilEnergy));
    });
}

}  // namespace vorlan::cli
