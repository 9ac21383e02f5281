#pragma once
// The main dialog's three atmosphere commands, on the shot record: each fills the two
// display texts (density "%6.4f" lb/ft^3 and "%5.1f" percent of sea level); the standard
// atmospheres also overwrite the shot's weather.

#include <string>

#include "engine/Atmosphere.h"
#include "engine/Units.h"
#include "shot/ShotParameters.h"

namespace vorlan {

// Air Density: the shot's own weather, with the station-pressure rule.
Atmosphere airDensityCommand(ShotParameters& shot);
// Std. Atmosphere: 59 F, 29.92 in Hg, dry, sea level.
Atmosphere standardAtmosphereCommand(ShotParameters& shot);
// ICAO Atmosphere: the standard atmosphere at the shot's altitude, stored back rounded as the
// dialog shows it; the pressure is the station pressure there, so the box is checked.
Atmosphere icaoAtmosphereCommand(ShotParameters& shot);

// The density text as a dialog in `units` shows it: as the commands fill it (lb/ft^3), or in
// kg/m^3 to three decimals (the four of lb/ft^3 hold no more); a text that is no number as it
// is. Its unit: "lb./ft.^3", "kg/m^3".
std::string shownAirDensityText(const std::string& text, UnitSystem units);
const char* airDensityUnit(UnitSystem units);

}  // namespace vorlan
