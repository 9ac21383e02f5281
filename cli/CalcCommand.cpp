#include <iostream>
#include <map>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "engine/EvwCalculator.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan::cli {

namespace {

const std::map<std::string, CalculatorMode> kModes = {
    {"energy", CalculatorMode::Energy}, {"velocity", CalculatorMode::Velocity}, {"weight", CalculatorMode::Weight}};

}  // namespace

// The calculator's upper Calculate; values print as its fields show them ("%g").
void addCalcCommand(CLI::App& app) {
    auto* command =
        app.add_subcommand("calc", translated("Energy, velocity or weight from the other two, with the power factor"));
    auto mode = std::make_shared<std::string>();
    auto calculator = std::make_shared<EvwCalculator>();
    auto units = std::make_shared<UnitSystem>(UnitSystem::Imperial);
    addUnitSystemOption(command, *units, N_("m/s, grams and joules"), false);
    command->add_option("--mode", *mode, translated("What to compute: energy, velocity or weight"))
        ->required()
        ->check(CLI::IsMember({"energy", "velocity", "weight"}));
    command->add_option("--velocity", calculator->velocity, translated("Velocity, ft/s (m/s in metric)"))
        ->transform(typedNotNegative(Quantity::Velocity, *units));
    command->add_option("--weight", calculator->weight, translated("Bullet weight, grains (grams in metric)"))
        ->transform(typedNotNegative(Quantity::Weight, *units));
    command->add_option("--energy", calculator->energy, translated("Energy, ft-lb (joules in metric)"))
        ->transform(typedNotNegative(Quantity::Energy, *units));
    command->callback([=] {
        calculator->mode = static_cast<int>(kModes.at(*mode));
        if (!calculator->calculate()) {
            const char* sentence = *mode == "energy"     ? N_("no energy for these values (a division by zero)")
                                   : *mode == "velocity" ? N_("no velocity for these values (a division by zero)")
                                                         : N_("no weight for these values (a division by zero)");
            throw NoResult(translated(sentence));
        }
        const auto shown = [&](double value, Quantity quantity) {
            return cFormat("%g", shownIn(value, quantity, *units));
        };
        printValue(std::cout, "velocity", shown(calculator->velocity, Quantity::Velocity));
        printValue(std::cout, "weight", shown(calculator->weight, Quantity::Weight));
        printValue(std::cout, "energy", shown(calculator->energy, Quantity::Energy));
        // The power factor is grains times ft/s over 1000 whatever the units: a class's threshold.
        printValue(std::cout, "power_factor", cFormat("%g", calculator->powerFactor));
    });
}

}  // namespace vorlan::cli
