#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"
#include "shot/Units.h"

namespace vorlan::cli {

// The optimum point-blank zero and its range limits for the shot file's vital zone.
void addOpbzCommand(CLI::App& app) {
    auto* command = app.add_subcommand("opbz", translated("Optimum point-blank zero for a vital zone"));
    auto path = std::make_shared<std::string>();
    auto diameter = std::make_shared<double>(0.0);
    auto units = std::make_shared<UnitSystem>(UnitSystem::Imperial);
    command->add_option("shot", *path, translated("Shot file (.vxf)"))->required();
    addUnitSystemOption(command, *units, N_("the ranges in metres; the diameter stays in inches"));
    auto* diameterOption = command->add_option("--diameter", *diameter, translated("Vital zone diameter, inches"))
                               ->check(numberWithin(0.01, 100));
    command->callback([=] {
        const ShotParameters shot = loadShot(*path);
        PointBlankZeroSolver solver = shotPointBlankZeroSolver(shot);
        if (diameterOption->count() > 0) solver.targetDiameter = *diameter;
        const PointBlankZero r = solver.solve();
        if (!r.found) throw NoResult(translated("no point-blank zero: the bullet does not fly beyond the muzzle"));
        // The limits are whole yards; in metres each is shown to the metre.
        const Unit range = UnitChoice::preset(*units).of(Quantity::Distance);
        const auto shown = [range](double yards) { return toShown(yards, Quantity::Distance, range); };
        printValue(std::cout, "zero", cFormat("%.0f", shown(r.optimumZero)));
        printValue(std::cout, "min", cFormat("%.0f", shown(static_cast<unsigned>(r.minimumRange))));
        printValue(std::cout, "max", cFormat("%.0f", shown(static_cast<unsigned>(r.maximumRange))));
        printEffects(std::cout, "effects", shot);
    });
}

}  // namespace vorlan::cli
