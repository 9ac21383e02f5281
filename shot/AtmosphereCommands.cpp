#include "shot/AtmosphereCommands.h"

#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"

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

}  // namespace vorlan
