#include "shot/AtmosphereCommands.h"

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

void showDensity(ShotParameters& shot, const Atmosphere& air) {
    shot.airDensityText = cFormat("%6.4f", air.density);
    shot.seaLevelPercentText = cFormat("%5.1f", air.seaLevelPercent());
}

void setStandardSeaLevelWeather(ShotParameters& shot) {
    shot.temperature = kStandardTemperature;
    shot.relativeHumidity = 0.0;
    shot.stationPressure = false;
    shot.pressure = kStandardPressure;
}

}  // namespace

Atmosphere airDensityCommand(ShotParameters& shot) {
    const Atmosphere air = shotAtmosphere(shot);
    showDensity(shot, air);
    return air;
}

Atmosphere standardAtmosphereCommand(ShotParameters& shot) {
    setStandardSeaLevelWeather(shot);
    shot.altitude = 0.0;
    return airDensityCommand(shot);
}

Atmosphere icaoAtmosphereCommand(ShotParameters& shot) {
    setStandardSeaLevelWeather(shot);
    Atmosphere air;
    air.altitude = shot.altitude;
    air.setStandardAtAltitude();
    shot.pressure = cToDouble(cFormat("%.2f", air.pressure));
    shot.relativeHumidity = cToDouble(cFormat("%.0f", air.relativeHumidity));
    shot.temperature = cToDouble(cFormat("%.1f", air.temperature));
    // The pressure is the one at the altitude: a station pressure, not to be reduced again.
    shot.stationPressure = true;
    showDensity(shot, air);
    return air;
}

std::string shownAirDensityText(const std::string& text, UnitSystem units) {
    const std::optional<double> density = units == UnitSystem::Metric ? wholeNumber(text) : std::nullopt;
    return density ? cFormat("%.3f", lbPerCubicFootToKgPerCubicMetre(*density)) : text;
}

const char* airDensityUnit(UnitSystem units) { return units == UnitSystem::Metric ? "kg/m^3" : N_("lb./ft.^3"); }

}  // namespace vorlan
