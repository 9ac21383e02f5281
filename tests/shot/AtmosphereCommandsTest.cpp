#include "shot/AtmosphereCommands.h"
#include "shot/CLocaleNumbers.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(AtmosphereCommands, AirDensityAppliesTheStationPressureRule) {
    ShotParameters shot;
    airDensityCommand(shot);
    EXPECT_EQ(shot.airDensityText, "0.0765");
    EXPECT_EQ(shot.seaLevelPercentText, "100.0");

    shot.altitude = 5000;
    airDensityCommand(shot);
    const std::string reduced = shot.airDensityText;
    shot.stationPressure = true;
    airDensityCommand(shot);
    EXPECT_LT(reduced, shot.airDensityText);  // 5 in Hg less when reduced from sea level
    EXPECT_EQ(shot.altitude, 5000);
}

TEST(AtmosphereCommands, StandardResetsTheWeatherAndTheAltitude) {
    ShotParameters shot;
    shot.temperature = 90;
    shot.relativeHumidity = 80;
    shot.stationPressure = true;
    shot.pressure = 27;
    shot.altitude = 3000;
    standardAtmosphereCommand(shot);
    EXPECT_EQ(shot.temperature, 59);
    EXPECT_EQ(shot.relativeHumidity, 0);
    EXPECT_FALSE(shot.stationPressure);
    EXPECT_EQ(shot.pressure, 29.92);
    EXPECT_EQ(shot.altitude, 0);
    EXPECT_EQ(shot.airDensityText, "0.0765");
    EXPECT_EQ(shot.seaLevelPercentText, "100.0");
}

TEST(AtmosphereCommands, IcaoKeepsTheAltitudeAndRoundsAsShown) {
    struct {
        double altitude, temperature, pressure;
        const char *density, *percent;
    } const cases[] = {
        {5000, 41.2, 24.89, "0.0659", " 86.2"},
        {10000, 23.3, 20.58, "0.0565", " 73.8"},
        {20000, -12.3, 13.75, "0.0407", " 53.3"},
        {-1000, 62.6, 31.02, "0.0787", "103.0"},
    };
    for (const auto& c : cases) {
        ShotParameters shot;
        shot.altitude = c.altitude;
        shot.stationPressure = false;
        shot.relativeHumidity = 40;
        icaoAtmosphereCommand(shot);
        EXPECT_EQ(shot.altitude, c.altitude);
        EXPECT_EQ(shot.temperature, c.temperature);
        EXPECT_EQ(shot.pressure, c.pressure);
        EXPECT_EQ(shot.relativeHumidity, 0);
        EXPECT_TRUE(shot.stationPressure);  // the pressure at the altitude is a station pressure
        EXPECT_EQ(shot.airDensityText, c.density);
        EXPECT_EQ(shot.seaLevelPercentText, c.percent);
        // The shot as left gives the same air (no second reduction); only the rounding of the
        // shown temperature and pressure can move the percentage by its last digit.
        airDensityCommand(shot);
        EXPECT_EQ(shot.airDensityText, c.density);
        EXPECT_NEAR(cToDouble(shot.seaLevelPercentText), cToDouble(c.percent), 0.1 + 1e-9);
    }
}

}  // namespace
}  // namespace vorlan
