#include <cmath>
#include <iostream>

#include "cli/Commands.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"

namespace vorlan::cli {

// The eight results of the Maximum Range window, formatted as it shows them.
void addMaxRangeCommand(CLI::App& app) {
    auto* command = app.add_subcommand("maxrange", "Maximum range and vertical height of a shot file's bullet");
    auto path = std::make_shared<std::string>();
    command->add_option("shot", *path, "Shot file (.vxf)")->required();
    command->callback([path] {
        const ShotParameters shot = loadShot(*path);
        const MaximumRange r = shotMaxRangeSolver(shot).computeMaximumRange();
        if (!r.found)
            throw NoResult(
                "no maximum range: no trajectory flies any distance (a muzzle velocity below 50 ft/s, or a coefficient "
                "so small that the bullet stops within a few feet)");
        for (const double value : {r.maximumRange, r.firingElevation, r.maximumHeight, r.terminalVelocity,
                                   r.terminalEnergy, r.timeOfFlight, r.verticalHeight, r.verticalTime}) {
            if (!std::isfinite(value)) throw NoResult("no maximum range: the shot's values give no number");
        }
        std::ostream& out = std::cout;
        printValue(out, "terminal_range", cFormat("%.0f", r.maximumRange));
        printValue(out, "firing_elevation", cFormat("%.1f", r.firingElevation));
        printValue(out, "max_height", cFormat("%.0f", r.maximumHeight));
        printValue(out, "terminal_velocity", cFormat("%.1f", r.terminalVelocity));
        printValue(out, "terminal_energy", cFormat("%.1f", r.terminalEnergy));
        printValue(out, "time_of_flight", cFormat("%.1f", r.timeOfFlight));
        printValue(out, "vertical_height", cFormat("%.0f", r.verticalHeight));
        printValue(out, "vertical_time", cFormat("%.1f", r.verticalTime));
        printEffects(out, "effects", shot);
    });
}

}  // namespace vorlan::cli
