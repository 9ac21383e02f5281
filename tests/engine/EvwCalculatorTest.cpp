#include "engine/EvwCalculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "shot/CLocaleNumbers.h"

namespace vorlan {
namespace {

// What the shown text of `value` reads back as.
double readBack(double value, int decimals) { return cToDouble(cFormat("%.*f", decimals, value)); }

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void expectSameAsText(double value, int decimals) {
    const double expected = readBack(value, decimals);
    const double got = roundedAsShown(value, decimals);
    EXPECT_TRUE(sameBits(got, expected) || (std::isnan(got) && std::isnan(expected)))
        << cFormat("%.17g at %d decimals: %.17g, text reads %.17g", value, decimals, got, expected);
}

TEST(RoundedAsShown, MatchesTheTextOnTiesAndEdges) {
    const double cases[] = {0.0,
                            -0.0,
                            0.25,
                            0.125,
                            2.5,
                            0.5,
                            1.5,
                            -0.25,
                            -0.04,
                            0.05,
                            0.15,
                            1.005,
                            2.675,
                            333.05,
                            999.95,
                            1e15 + 0.125,
                            0x1p52 + 0.5,
                            0x1p53,
                            0x1p53 - 1.0,
                            1e300,
                            5e-324,
                            -1e-310,
                            0.49999999999999994,
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (double value : cases)
        for (int decimals : {0, 1, 2, 3, 6, 15}) expectSameAsText(value, decimals);
}

TEST(RoundedAsShown, MatchesTheTextOnRandomValues) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-8.0, 17.0);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 100000; ++i) {
        const double value = unit(random) * std::pow(10.0, exponent(random));
        expectSameAsText(value, i % 4 == 3 ? 3 : i % 4);
        // Halfway points of the shown decimal, where rounding of ties matters.
        const double tie = (std::round(value * 100.0) + 0.5) / 100.0;
        expectSameAsText(tie, 2);
    }
}

TEST(EvwCalculator, StartsWithTheWindowDefaults) {
    const EvwCalculator c;
    EXPECT_EQ(c.gunWeight, 40.0);
    EXPECT_EQ(c.powderWeight, 5.0);
    EXPECT_EQ(c.mode, 0);
    EXPECT_EQ(c.velocity + c.weight + c.energy + c.powerFactor + c.recoilEnergy, 0.0);
}

TEST(EvwCalculator, ModesAndPowerFactor) {
    EvwCalculator c;
    c.velocity = 1000.0;
    c.weight = 150.0;
    ASSERT_TRUE(c.calculate());
    EXPECT_EQ(c.energy, 333.0);  // 333.0085 shown as 333.0
    EXPECT_EQ(c.powerFactor, 150.0);

    c.mode = 1;
    c.velocity = 0.0;
    ASSERT_TRUE(c.calculate());
    EXPECT_EQ(c.velocity, 1000.0);  // from the shown 333.0: 999.985 shows as 1000.0
    EXPECT_EQ(c.powerFactor, 150.0);

    c.mode = 2;
    c.velocity = 1000.0;
    c.weight = 0.0;
    ASSERT_TRUE(c.calculate());
    EXPECT_EQ(c.weight, 150.0);  // 149.995... shows as 150.00
    EXPECT_EQ(c.powerFactor, 150.0);

    c.mode = 7;  // derives nothing but the power factor
    c.weight = 200.0;
    c.energy = 1.0;
    ASSERT_TRUE(c.calculate());
    EXPECT_EQ(c.energy, 1.0);
    EXPECT_EQ(c.powerFactor, 200.0);
}

TEST(EvwCalculator, RawFormulas) {
    EXPECT_NEAR(energyFrom(1000.0, 150.0), 333.0102, 1e-4);
    EXPECT_NEAR(velocityFrom(150.0, 333.0), 999.9847, 1e-4);
    EXPECT_NEAR(weightFrom(1000.0, 333.0), 149.9954, 1e-4);
    EXPECT_DOUBLE_EQ(powerFactorOf(150.0, 1000.0), 150.0);
}

TEST(EvwCalculator, Recoil) {
    EvwCalculator c;
    c.weight = 150.0;
    c.velocity = 1000.0;
    c.powderWeight = 5.0;
    c.gunWeight = 40.0;
    ASSERT_TRUE(c.calculateRecoil());
    EXPECT_EQ(c.recoilEnergy, 3.666);
    c.velocity = 2800.0;
    c.powderWeight = 42.0;
    c.gunWeight = 128.0;
    ASSERT_TRUE(c.calculateRecoil());
    EXPECT_EQ(c.recoilEnergy, 13.707);
    c.powderWeight = 0.0;  // no powder still recoils
    ASSERT_TRUE(c.calculateRecoil());
    EXPECT_GT(c.recoilEnergy, 0.0);
}

// Division by zero, the root of a negative number and values from a damaged file leave a 0
// (a number the window can show and exchange) and report that there was no result.
TEST(EvwCalculator, UndefinedResultsStoreZero) {
    struct Case {
        int mode;
        double velocity, weight, energy;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {{1, 5.0, 0.0, 333.0},  {1, 5.0, 0.0, 0.0},   {2, 0.0, 5.0, 333.0}, {1, 5.0, 150.0, -333.0},
                          {0, -1.0, 150.0, 9.0}, {0, nan, 150.0, 9.0}, {0, inf, 150.0, 9.0}, {2, 1e-300, 5.0, 1e300}};
    for (const Case& k : cases) {
        EvwCalculator c;
        c.mode = k.mode;
        c.velocity = k.velocity;
        c.weight = k.weight;
        c.energy = k.energy;
        EXPECT_FALSE(c.calculate()) << k.mode << " " << k.velocity << " " << k.weight << " " << k.energy;
        const double derived[] = {c.energy, c.velocity, c.weight};
        EXPECT_EQ(derived[k.mode], 0.0);
        EXPECT_EQ(c.powerFactor, std::isfinite(c.weight * c.velocity) && c.weight >= 0 && c.velocity >= 0
                                     ? std::round(c.weight * c.velocity / 1000.0)
                                     : 0.0);
    }
    EvwCalculator gun;
    gun.weight = 150.0;
    gun.velocity = 1000.0;
    gun.recoilEnergy = 9.0;
    gun.gunWeight = 0.0;
    EXPECT_FALSE(gun.calculateRecoil());
    EXPECT_EQ(gun.recoilEnergy, 0.0);
}

}  // namespace
}  // namespace vorlan
