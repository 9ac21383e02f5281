#include "engine/Holds.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/Units.h"

namespace vorlan {
namespace {

// Each factor at a point known by definition, and each conversion through it.
TEST(Units, ExactFactorsAtKnownPoints) {
    EXPECT_DOUBLE_EQ(yardsToMetres(100.0), 91.44);
    EXPECT_DOUBLE_EQ(feetToMetres(1000.0), 304.8);
    EXPECT_DOUBLE_EQ(inchesToCentimetres(36.0), 91.44);
    EXPECT_DOUBLE_EQ(fpsToMetresPerSecond(2700.0), 822.96);
    EXPECT_DOUBLE_EQ(footPoundsToJoules(1.0), 1.3558179483314004);
    EXPECT_DOUBLE_EQ(poundSecondsToNewtonSeconds(1.0), 4.4482216152605);
    EXPECT_DOUBLE_EQ(grainsToGrams(7000.0), 453.59237);  // the avoirdupois pound
    EXPECT_DOUBLE_EQ(mphToKmh(60.0), 96.56064);
    EXPECT_DOUBLE_EQ(fahrenheitToCelsius(59.0), 15.0);
    EXPECT_DOUBLE_EQ(fahrenheitToCelsius(-40.0), -40.0);
    EXPECT_NEAR(inchesHgToHectopascals(29.9212598425), 1013.25, 2e-4);  // 760 mmHg: one atmosphere
    EXPECT_NEAR(inchesHgToHectopascals(1.0), 33.86388640341, 1e-11);
    EXPECT_NEAR(inchesHgToHectopascals(1.0), 33.8638866667, 1e-6);
    EXPECT_NEAR(lbPerCubicFootToKgPerCubicMetre(0.076474), 1.22500, 5e-5);  // standard sea-level air
}

// The angle of an offset at a range, and the clicks of a turret, at points worked by hand.
TEST(Holds, KnownPoints) {
    const ClickValue quarterMoa{0.25, AngleUnit::Moa};
    const ClickValue tenthMil{0.1, AngleUnit::Mil};
    struct Case {
        double inches, yards;
        ClickValue click;
        double moa, mil, clicks;
    };
    const Case cases[] = {
        {1.0471975511965976, 100.0, quarterMoa, 1.0, 0.2908882, 4.0},   // 1 MOA at 100 yd
        {10.0 / 2.54, 100.0 / 0.9144, tenthMil, 3.4377468, 1.0, 10.0},  // 1 mil at 100 m
        {36.0, 1000.0, tenthMil, 3.4377468, 1.0, 10.0},                 // 36 in at 1000 yd: 10.0 clicks of 0.1 mil
        {-36.0, 1000.0, {0.125, AngleUnit::Moa}, -3.4377468, -1.0, -27.501974},  // down, 1/8 MOA
        {10.47, 1000.0, {0.05, AngleUnit::Mil}, 0.99981, 0.290833, 5.81667},
    };
    for (const Case& c : cases) {
        const std::optional<Hold> hold = holdFor(c.inches, c.yards, c.click);
        ASSERT_TRUE(hold);
        EXPECT_NEAR(hold->moa, c.moa, 1e-5) << c.inches << " in at " << c.yards;
        EXPECT_NEAR(hold->mil, c.mil, 1e-5) << c.inches << " in at " << c.yards;
        EXPECT_NEAR(hold->clicks, c.clicks, 1e-4) << c.inches << " in at " << c.yards;
    }
    // 1 true MOA at 100 yd is 1.04720 in, not the inch per hundred yards of the designed column.
    EXPECT_NEAR(std::tan(1.0 / kTrueMoaPerRadian) * 3600.0, 1.04720, 5e-6);
    // At and before the muzzle there is no angle.
    EXPECT_FALSE(holdFor(1.0, 0.0, quarterMoa));
    EXPECT_FALSE(holdFor(1.0, -5.0, quarterMoa));
}

// The turret convention: below the line needs UP, a drift to the right needs LEFT.
TEST(Holds, CorrectionsOpposeTheOffset) {
    EXPECT_DOUBLE_EQ(elevationCorrectionInches(-1.0), 12.0);
    EXPECT_DOUBLE_EQ(windageCorrectionInches(0.5), -6.0);
    EXPECT_FALSE(std::signbit(elevationCorrectionInches(0.0)));
    EXPECT_FALSE(std::signbit(windageCorrectionInches(-0.0)));
}

}  // namespace
}  // namespace vorlan
