#include "engine/Atmosphere.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

struct DensityCase {
    double temperature, pressure, humidity;
    double density;  // lb/ft^3
};

TEST(Atmosphere, NewAtmosphereIsStandardSeaLevel) {
    const Atmosphere air;
    EXPECT_NEAR(air.density, 0.076474, 1e-9);
    EXPECT_NEAR(air.speedOfSound, 1116.45, 0.005);
    EXPECT_NEAR(air.seaLevelPercent(), 100.0, 1e-9);
}

TEST(Atmosphere, DensityFromWeather) {
    const DensityCase cases[] = {
        {59, 29.92, 0, 0.076474},   {0, 29.92, 0, 0.0862897},  // at 0 F humidity has no effect
        {0, 29.92, 100, 0.0862897}, {-40, 29.92, 100, 0.076474 * 518.67 / 419.67},
        {59, 29.92, 100, 0.075929}, {90, 29.92, 50, 0.071430},
    };
    for (const auto& c : cases) {
        Atmosphere air;
        air.temperature = c.temperature;
        air.pressure = c.pressure;
        air.relativeHumidity = c.humidity;
        air.updateDerived();
        EXPECT_NEAR(air.density, c.density, 5e-7) << c.temperature << " F, " << c.humidity << " %";
    }
}

TEST(Atmosphere, StandardAtAltitude) {
    struct {
        double altitude, temperature, pressure, density;
    } const cases[] = {
        {0, 59.0, 29.92, 0.076474},      {5000, 41.17, 24.896, 0.0659},  {10000, 23.34, 20.577, 0.0565},
        {20000, -12.32, 13.750, 0.0407}, {-1000, 62.57, 31.019, 0.0787},
    };
    for (const auto& c : cases) {
        Atmosphere air;
        air.altitude = c.altitude;
        air.relativeHumidity = 50;
        air.setStandardAtAltitude();
        EXPECT_NEAR(air.temperature, c.temperature, 0.01) << c.altitude;
        EXPECT_NEAR(air.pressure, c.pressure, 0.005) << c.altitude;
        EXPECT_EQ(air.relativeHumidity, 0.0);
        EXPECT_NEAR(air.density, c.density, 0.00005) << c.altitude;
    }
}

TEST(Atmosphere, StationPressureRule) {
    EXPECT_NEAR(toStationPressure(29.92, 1000, false), 28.92, 1e-12);
    EXPECT_EQ(toStationPressure(29.92, 1000, true), 29.92);
    EXPECT_NEAR(toStationPressure(29.92, -1000, false), 30.92, 1e-12);
    EXPECT_EQ(toStationPressure(29.92, 0, false), 29.92);
}

}  // namespace
}  // namespace vorlan
