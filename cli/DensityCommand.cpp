#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "shot/AtmosphereCommands.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan::cli {

void addDensityCommand(CLI::App& app) {
    auto* command = app.add_subcommand("density", translated("Air density of a shot file's atmosphere"));
    auto path = std::make_shared<std::string>();
    auto standard = std::make_shared<bool>(false);
    auto icao = std::make_shared<bool>(false);
    command->add_option("shot", *path, translated("Shot file (.vxf)"))->required();
    auto* standardFlag = command->add_flag("--standard", *standard, translated("Standard sea-level atmosphere"));
    command->add_flag("--icao", *icao, translated("ICAO standard atmosphere at the shot's altitude"))
        ->excludes(standardFlag);
    command->callback([path, standard, icao] {
        ShotParameters shot = loadShot(*path);
        if (*standard)
            standardAtmosphereCommand(shot);
        else if (*icao)
            icaoAtmosphereCommand(shot);
        else
            airDensityCommand(shot);
        std::ostream& out = std::cout;
        printValue(out, "density", shot.airDensityText);
        printValue(out, "percent", shot.seaLevelPercentText);
        printValue(out, "temperature", cFormat("%g", shot.temperature));
        printValue(out, "pressure", cFormat("%g", shot.pressure));
        printValue(out, "humidity", cFormat("%g", shot.relativeHumidity));
        printValue(out, "altitude", cFormat("%g", shot.altitude));
        printValue(out, "station", shot.stationPressure ? "true" : "false");
    });
}

}  // namespace vorlan::cli
