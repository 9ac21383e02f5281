#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "engine/EvwCalculator.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan::cli {

namespace {

// The calculator's bounds on the gun, 1 to 1000 oz, in kilograms rounded inwards.
constexpr double kLightestGunKg = 0.03, kHeaviestGunKg = 28.34;

// The gun's weight in ounces, or in metric in kilograms, handed on in ounces.
CLI::Validator gunWeight(const UnitSystem& units) {
    return CLI::Validator(
        [&units](std::string& text) {
            const bool metric = units == UnitSystem::Metric;
            const std::string problem =
                (metric ? numberWithin(kLightestGunKg, kHeaviestGunKg) : numberWithin(1, 1000))(text);
            if (problem.empty() && metric) text = cFormat("%.17g", *decimalNumber(text) * 1000.0 / kGramsPerOunce);
            return problem;
        },
        "a number from 1 to 1000");
}

}  // namespace

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
        ->transform(gunWeight(*units));
    command->callback([=] {
        if (!calculator->calculateRecoil()) throw NoResult(translated("no recoil energy for these values"));
        printValue(std::cout, "recoil_energy",
                   cFormat("%g", shownIn(calculator->recoilEnergy, Quantity::Energy, *units)));
    });
}

}  // namespace vorlan::cli
