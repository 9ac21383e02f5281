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
    auto units = std::make_shared<UnitSystem>(UnitSystem::Imperial);
    command->add_option("shot", *path, translated("Shot file (.vxf)"))->required();
    addUnitSystemOption(command, *units, N_("kg/m³, °C, hPa and metres"), false);
    auto* standardFlag = command->add_flag("--standard", *standard, translated("Standard sea-level atmosphere"));
    command->add_flag("--icao", *icao, translated("ICAO standard atmosphere at the shot's altitude"))
        ->excludes(standardFlag);
    command->callback([path, standard, icao, units] {
        ShotParameters shot = loadShot(*path);
        const Atmosphere air = *standard ? standardAtmosphereCommand(shot)
                               : *icao   ? icaoAtmosphereCommand(shot)
                                         : airDensityCommand(shot);
        const bool metric = *units == UnitSystem::Metric;
        const auto shown = [&](double value, Quantity quantity) {
            return cFormat("%g", shownIn(value, quantity, *units));
        };
        std::ostream& out = std::cout;
        printValue(out, "density",
                   metric ? cFormat("%6.4f", lbPerCubicFootToKgPerCubicMetre(air.density)) : shot.airDensityText);
        printValue(out, "percent", shot.seaLevelPercentText);
        printValue(out, "temperature", shown(shot.temperature, Quantity::Temperature));
        printValue(out, "pressure", shown(shot.pressure, Quantity::Pressure));
        printValue(out, "humidity", cFormat("%g", shot.relativeHumidity));
        printValue(out, "altitude", shown(shot.altitude, Quantity::Altitude));
        printValue(out, "station", shot.stationPressure ? "true" : "false");
    });
}

}  // namespace vorlan::cli
