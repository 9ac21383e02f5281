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
    command->add_option("--mode", *mode, translated("What to compute: energy, velocity or weight"))
        ->required()
        ->check(CLI::IsMember({"energy", "velocity", "weight"}));
    command->add_option("--velocity", calculator->velocity, translated("Velocity, ft/s"))->check(notNegative());
    command->add_option("--weight", calculator->weight, translated("Bullet weight, grains"))->check(notNegative());
    command->add_option("--energy", calculator->energy, translated("Energy, ft-lb"))->check(notNegative());
    command->callback([=] {
        calculator->mode = static_cast<int>(kModes.at(*mode));
        if (!calculator->calculate()) {
            const char* sentence = *mode == "energy"     ? N_("no energy for these values (a division by zero)")
                                   : *mode == "velocity" ? N_("no velocity for these values (a division by zero)")
                                                         : N_("no weight for these values (a division by zero)");
            throw NoResult(translated(sentence));
        }
        printValue(std::cout, "velocity", cFormat("%g", calculator->velocity));
        printValue(std::cout, "weight", cFormat("%g", calculator->weight));
        printValue(std::cout, "energy", cFormat("%g", calculator->energy));
        printValue(std::cout, "power_factor", cFormat("%g", calculator->powerFactor));
    });
}

}  // namespace vorlan::cli
