// Hit probability counted at whole metres: each flown at its exact distance in yards.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine/HitBudget.h"
#include "engine/HitProbability.h"
#include "shot/MetricShotKeys.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

HitRunOptions inMetres(int runs) {
    HitRunOptions options;
    options.runs = runs;
    options.seed = 11;
    options.rangeUnit = UnitSystem::Metric;
    return options;
}

// 1 MOA alone on an 8-in circle at 300 m, which is 328.0839895 yd: the spread per axis is
// pi / 10800 x 328.0839895 x 36 in, and P(hit) = 1 - exp(-16 / (2 s^2)); at 328 yd it would be
// 0.00018 more. The samples agree within four standard errors.
TEST(HitMetres, PrecisionAloneAtThreeHundredMetresFliesItsExactYards) {
    HitSpreads spreads;
    spreads.precisionMoa = 1.0;
    const double s = std::numbers::pi / 10800.0 * (300.0 / 0.9144) * 36.0;
    const double expected = 1.0 - std::exp(-16.0 / (2.0 * s * s));
    const TrajectorySolver shot = setUpHitShot(testing::load308());
    const HitTarget circle{HitTarget::Shape::Circle, 8, 0};
    const HitBudgetResult budget = computeHitBudget(shot, spreads, circle, {300}, inMetres(1));
    ASSERT_EQ(budget.hits.figures.size(), 1u);
    EXPECT_EQ(budget.hits.figures[0].range, 300);
    EXPECT_NEAR(budget.hits.figures[0].probability, expected, 1e-6);
    const HitProbabilityResult sampled = computeHitProbability(shot, spreads, circle, {300}, inMetres(20000));
    EXPECT_NEAR(sampled.figures[0].probability, expected, 4.0 * std::sqrt(expected * (1 - expected) / 20000));
}

// 1143 m are 1250 yd: the same samples hit alike, every spread in force, whichever unit asks.
TEST(HitMetres, WholeMetresThatAreWholeYardsHitAlike) {
    const HitSpreads spreads{10, 2, 5, false, 3, 10, 0.7, 1};
    const TrajectorySolver shot = setUpHitShot(testing::load308());
    const HitTarget target{HitTarget::Shape::Rectangle, 20, 20};
    HitRunOptions yards = inMetres(600);
    yards.rangeUnit = UnitSystem::Imperial;
    const HitProbabilityResult inYards = computeHitProbability(shot, spreads, target, {1250}, yards);
    const HitProbabilityResult metres = computeHitProbability(shot, spreads, target, {1143}, inMetres(600));
    EXPECT_GT(inYards.figures[0].hits, 0);
    EXPECT_LT(inYards.figures[0].hits, 600);
    EXPECT_EQ(metres.figures[0].hits, inYards.figures[0].hits);
}

// The ranges in metres: a table of yards to the nearest metre (5 and 6 yd are both 5 m), a
// table typed in metres at its own metres, the target range typed in metres or converted.
TEST(HitMetres, RangesAreTheTablesRowsInWholeMetres) {
    struct Case {
        int increment, count;
        double targetYards;
        double metricIncrement, metricTarget;  // typed in metres; 0 for none
        std::vector<int> metres;
    };
    const Case cases[] = {
        {100, 5, 300, 0, 0, {91, 183, 274, 366, 457}},
        {1, 9, 7, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
        {55, 6, 301, 50, 275, {50, 100, 150, 200, 250, 275, 300}},
        {100, 3, 0, 0, 0, {91, 183, 274}},
    };
    for (const Case& c : cases) {
        ShotParameters shot = testing::load308();
        shot.rangeIncrement = c.increment;
        shot.incrementCount = c.count;
        shot.targetRange = c.targetYards;
        if (c.metricIncrement > 0)
            ASSERT_TRUE(storeTypedValue(shot, "Range Increment", c.metricIncrement, Unit::Metre));
        if (c.metricTarget > 0) ASSERT_TRUE(storeTypedValue(shot, "Target Range", c.metricTarget, Unit::Metre));
        EXPECT_EQ(shotHitRanges(shot, 0, UnitSystem::Metric), c.metres) << c.increment << " x " << c.count;
    }
}

}  // namespace
}  // namespace vorlan
