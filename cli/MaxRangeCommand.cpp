#include <cmath>
#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"
#include "shot/Units.h"

namespace vorlan::cli {

// The eight results of the Maximum Range window, formatted as it shows them.
void addMaxRangeCommand(CLI::App& app) {
    auto* command =
        app.add_subcommand("maxrange", translated("Maximum range and vertical height of a shot file's bullet"));
    auto path = std::make_shared<std::string>();
    auto units = std::make_shared<UnitSystem>(UnitSystem::Imperial);
    command->add_option("shot", *path, translated("Shot file (.vxf)"))->required();
    addUnitSystemOption(command, *units, N_("metres, m/s and joules"));
    command->callback([path, units] {
        const ShotParameters shot = loadShot(*path);
        const MaximumRange r = shotMaxRangeSolver(shot).computeMaximumRange();
        if (!r.found)
            throw NoResult(
                translated("no maximum range: no trajectory flies any distance (a muzzle velocity below 50 ft/s, or a "
                           "coefficient so small that the bullet stops within a few feet)"));
        for (const double value : {r.maximumRange, r.firingElevation, r.maximumHeight, r.terminalVelocity,
                                   r.terminalEnergy, r.timeOfFlight, r.verticalHeight, r.verticalTime}) {
            if (!std::isfinite(value)) throw NoResult(translated("no maximum range: the shot's values give no number"));
        }
        std::ostream& out = std::cout;
        const UnitChoice shown = UnitChoice::preset(*units);
        const auto in = [&](const char* format, double value, Quantity quantity) {
            return cFormat(format, toShown(value, quantity, shown.of(quantity)));
        };
        printValue(out, "terminal_range", in("%.0f", r.maximumRange, Quantity::Distance));
        printValue(out, "firing_elevation", cFormat("%.1f", r.firingElevation));
        printValue(out, "max_height", in("%.0f", r.maximumHeight, Quantity::Altitude));
        printValue(out, "terminal_velocity", in("%.1f", r.terminalVelocity, Quantity::Velocity));
        printValue(out, "terminal_energy", in("%.1f", r.terminalEnergy, Quantity::Energy));
        printValue(out, "time_of_flight", cFormat("%.1f", r.timeOfFlight));
        printValue(out, "vertical_height", in("%.0f", r.verticalHeight, Quantity::Altitude));
        printValue(out, "vertical_time", cFormat("%.1f", r.verticalTime));
        printEffects(out, "effects", shot);
    });
}

}  // namespace vorlan::cli
