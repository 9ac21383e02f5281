#pragma once
// The air the bullet flies through: air density scales the drag, the speed of sound turns
// the bullet's speed into the Mach number of the drag lookup. Imperial units throughout.

namespace vorlan {

inline constexpr double kStandardDensity = 0.076474;  // lb/ft^3 at 59 F, 29.92 in Hg, dry
inline constexpr double kStandardPressure = 29.92;    // in Hg at sea level
inline constexpr double kStandardTemperature = 59.0;  // F at sea level

struct Atmosphere {
    double temperature = kStandardTemperature;  // F
    double pressure = kStandardPressure;        // in Hg at the shooter's altitude (station pressure)
    double relativeHumidity = 0.0;              // percent, 0..100
    double altitude = 0.0;                      // ft above sea level; read only by setStandardAtAltitude
    double speedOfSound = 0.0;                  // ft/s, derived by updateDerived
    double density = 0.0;                       // lb/ft^3, derived by updateDerived

    Atmosphere() { updateDerived(); }

    // Recomputes speedOfSound and density from temperature, pressure and relativeHumidity.
    void updateDerived();
    // Replaces temperature, pressure and humidity by the standard atmosphere at `altitude`
    // (valid below about 145,000 ft), then updates the derived values.
    void setStandardAtAltitude();
    // Density as a percentage of the standard sea-level density.
    double seaLevelPercent() const { return density / kStandardDensity * 100.0; }
};

// The pressure to use for a typed barometer reading. A station reading is used as it is; a
// reading reduced to sea level loses one inch of mercury per 1000 ft of altitude.
double toStationPressure(double pressure, double altitude, bool stationPressure);

}  // namespace vorlan
