#include "engine/Atmosphere.h"

#include <cmath>

namespace vorlan {

namespace {
constexpr double kRankineOffset = 459.67;
constexpr double kStandardRankine = 518.67;
constexpr double kSoundPerRootRankine = 49.0223;  // ft/s per sqrt(R)
constexpr double kLapseRate = 0.00356616;         // R per ft
constexpr double kPressureExponent = 5.255876;
}  // namespace

void Atmosphere::updateDerived() {
    const double t = temperature;
    double factor = pressure / kStandardPressure;
    if (t > 0.0) {
        // Saturation vapour pressure as a quartic in F; only above 0 F does the water
        // vapour displace enough air to count.
        const double q = (((4.21329e-7 * t - 3.07031e-6) * t + 0.00152907) * t + 0.0988438) * t + 1.24871;
        const double vapour = q * (relativeHumidity * 0.0003342);
        factor = (pressure - 0.3783 * vapour) / kStandardPressure;
    }
    const double rankine = t + kRankineOffset;
    density = factor * (kStandardRankine / rankine) * kStandardDensity;
    speedOfSound = kSoundPerRootRankine * std::sqrt(rankine);
}

void Atmosphere::setStandardAtAltitude() {
    const double rankine = kStandardRankine - altitude * kLapseRate;
    pressure = kStandardPressure * std::pow(kStandardRankine / rankine, -kPressureExponent);
    temperature = rankine - kRankineOffset;
    relativeHumidity = 0.0;
    updateDerived();
}

double toStationPressure(double pressure, double altitude, bool stationPressure) {
    if (stationPressure) return pressure;
    return (pressure * 25.4 - (altitude / 100.0) * 2.54) / 25.4;
}

}  // namespace vorlan
