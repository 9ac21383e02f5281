// The hit probability against closed forms: a circular or rectangular target hit by the
// precision alone (the normal spread's own probabilities), a wide band hit by the velocity
// spread alone (the normal probability of the drop's spread between two flights at +-1 SD),
// the same figures on any number of threads, and an error that shrinks as 1/sqrt(N) and
// matches the scatter of independent seeds.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "engine/Ballistics.h"
#include "engine/HitBudget.h"
#include "engine/HitProbability.h"
#include "shot/HitShotKeys.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

double normalCdf(double z) { return 0.5 * std::erfc(-z / std::numbers::sqrt2); }

// The .308 load zeroed at 100 yd, set up as the range table sets it up.
TrajectorySolver shot308(double crosswind = 0.0) {
    ShotParameters shot = testing::load308();
    shot.crosswind = crosswind;
    return setUpHitShot(shot);
}

// Within four standard errors of the expected probability, and a little for the closed form.
void expectNear(const HitRangeFigure& figure, double expected, int runs, const char* what) {
    const double se = std::sqrt(expected * (1.0 - expected) / runs);
    EXPECT_NEAR(figure.probability, expected, 4.0 * se + 1e-3) << what << " at " << figure.range << " yd";
}

struct PrecisionCase {
    const char* what;
    double moa;
    HitTarget target;
    int range;
};

TEST(HitProbability, PrecisionAloneHitsWithTheNormalSpreadsProbability) {
    const PrecisionCase cases[] = {
        {"1 MOA, 8-in circle", 1.0, {HitTarget::Shape::Circle, 8, 0}, 300},
        {"0.5 MOA, 6-in circle", 0.5, {HitTarget::Shape::Circle, 6, 0}, 800},
        {"2 MOA, 4-in circle", 2.0, {HitTarget::Shape::Circle, 4, 0}, 100},
        {"1 MOA, 10 x 20 rectangle", 1.0, {HitTarget::Shape::Rectangle, 10, 20}, 700},
    };
    constexpr int kRuns = 20000;
    for (const PrecisionCase& c : cases) {
        HitSpreads spreads;
        spreads.precisionMoa = c.moa;
        HitRunOptions options;
        options.runs = kRuns;
        options.seed = 7;
        const HitProbabilityResult result = computeHitProbability(shot308(), spreads, c.target, {c.range}, options);
        // The spread per axis in inches: the angle times the range in inches.
        const double sigma = c.moa / 60.0 * kPi / 180.0 * c.range * 36.0;
        const double expected = c.target.shape == HitTarget::Shape::Circle
                                    ? 1.0 - std::exp(-(c.target.width * c.target.width / 4.0) / (2.0 * sigma * sigma))
                                    : (2.0 * normalCdf(c.target.width / 2.0 / sigma) - 1.0) *
                                          (2.0 * normalCdf(c.target.height / 2.0 / sigma) - 1.0);
        ASSERT_EQ(result.figures.size(), 1u);
        expectNear(result.figures[0], expected, kRuns, c.what);
    }
}

TEST(HitProbability, VelocitySpreadAloneHitsABandWithTheDropsNormalProbability) {
    const TrajectorySolver shot = shot308();
    TrajectorySolver nominal = shot;
    nominal.computeTrajectory();
    constexpr double kVelocitySd = 15.0;
    // Two flights at +-1 SD with the zero of the shot as entered.
    const auto dropAt = [&](double velocity, int range) {
        TrajectorySolver flight = shot;
        flight.solveElevation = false;
        flight.muzzleElevation = nominal.muzzleElevation;
        flight.muzzleVelocity = velocity;
        flight.computeTrajectory();
        return flight.rows[static_cast<std::size_t>(range)].drop * 12.0;
    };
    constexpr int kRuns = 5000;
    for (const int range : {500, 1000}) {
        const double dropSd = std::fabs(dropAt(shot.muzzleVelocity + kVelocitySd, range) -
                                        dropAt(shot.muzzleVelocity - kVelocitySd, range)) /
                              2.0;
        const double height = 1.5 * dropSd;  // a band that about half the shots hit
        HitSpreads spreads;
        spreads.velocitySd = kVelocitySd;
        HitRunOptions options;
        options.runs = kRuns;
        const HitProbabilityResult result =
            computeHitProbability(shot, spreads, {HitTarget::Shape::Rectangle, 1000, height}, {range}, options);
        expectNear(result.figures[0], 2.0 * normalCdf(height / 2.0 / dropSd) - 1.0, kRuns, "velocity band");
    }
}

// The table's windage (in) at `range` of the shot as `set` leaves it.
double tableWindage(const std::function<void(ShotParameters&)>& set, int range) {
    ShotParameters shot = testing::load308();
    shot.incrementCount = range;
    set(shot);
    TrajectorySolver flight = setUpHitShot(shot);
    flight.computeTrajectory();
    return flight.rows[static_cast<std::size_t>(range)].windage * 12.0;
}

// Three quartering winds along the range, 8 mph on average.
void windZones(ShotParameters& shot) { shot.advanced.windZones = {{300, 10, 45}, {700, 6, 60}, {2000, 8, 30}}; }

struct SideSpreadCase {
    const char* what;
    HitSpreads spreads;
    std::function<void(ShotParameters&)> shot, oneDeviation;  // the shot, and it moved by one deviation
};

// The error budget takes the wind call on zones as a share of their mean speed: 0.5 mph on
// zones averaging 2 mph spreads the impact as the table's windage moves with every zone a
// quarter stronger, to the closed form of a band (half its width at 0.675 deviations: 1/2).
TEST(HitProbability, TheBudgetsWindCallInZonesIsAShareOfTheirMean) {
    const auto gentle = [](double factor) {
        return [factor](ShotParameters& s) {
            s.advanced.windZones = {{300, 2.5 * factor, 45}, {700, 1.5 * factor, 60}, {2000, 2 * factor, 30}};
        };
    };
    constexpr int kRange = 600;
    const double sigma = std::fabs(tableWindage(gentle(1.25), kRange) - tableWindage(gentle(1.0), kRange));
    ShotParameters shot = testing::load308();
    gentle(1.0)(shot);
    const HitTarget band{HitTarget::Shape::Rectangle, 2 * 0.6745 * sigma, 1e6};
    const HitBudgetResult budget = computeHitBudget(setUpHitShot(shot), {.windSd = 0.5}, band, {kRange}, {});
    EXPECT_NEAR(budget.hits.figures[0].probability, 0.5, 2e-3) << sigma;
}

// One spread alone, small enough to act in proportion: the impacts spread across the target
// by as much as the table's windage moves when the input moves by one deviation.
TEST(HitProbability, ASpreadMovesTheImpactAsTheTableMovesIt) {
    const auto none = [](ShotParameters&) {};
    const SideSpreadCase cases[] = {
        {"wind call in zones",
         {.windSd = 4},
         windZones,
         [](ShotParameters& s) {
             windZones(s);
             for (WindZone& zone : s.advanced.windZones) zone.speed *= 1.5;  // 4 mph of the mean 8
         }},
        {"wind direction in zones",
         {.windDirectionSd = 5},
         windZones,
         [](ShotParameters& s) {
             windZones(s);
             for (WindZone& zone : s.advanced.windZones) zone.direction += 5;
         }},
        {"wind direction of one wind",
         {.windDirectionSd = 5},
         [](ShotParameters& s) { s.advanced.windSpeed = 10, s.advanced.windDirection = 45; },
         [](ShotParameters& s) { s.advanced.windSpeed = 10, s.advanced.windDirection = 50; }},
        {"cant in degrees", {.cantSd = 1}, none, [](ShotParameters& s) { s.cantAngle = 1; }},
    };
    constexpr int kRange = 1000;
    constexpr int kRuns = 4000;
    for (const SideSpreadCase& c : cases) {
        ShotParameters shot = testing::load308();
        c.shot(shot);
        HitRunOptions options;
        options.runs = options.scatterLimit = kRuns;
        options.scatterRange = kRange;
        const HitProbabilityResult result =
            computeHitProbability(setUpHitShot(shot), c.spreads, {HitTarget::Shape::Circle, 8, 0}, {kRange}, options);
        ASSERT_EQ(result.impacts.size(), std::size_t{kRuns}) << c.what;
        double sum = 0, squares = 0;
        for (const HitImpact& impact : result.impacts) sum += impact.x, squares += impact.x * impact.x;
        const double spread = std::sqrt((squares - sum * sum / kRuns) / (kRuns - 1));
        const double expected = std::fabs(tableWindage(c.oneDeviation, kRange) - tableWindage(c.shot, kRange));
        EXPECT_NEAR(spread / expected, 1.0, 0.05) << c.what << ": " << spread << " in against " << expected;
    }
    // The table's cant moves the impact across by its sine times the drop from the bore line.
    TrajectorySolver level = setUpHitShot(testing::load308());
    level.computeTrajectory();
    const double fall = level.rows[kRange].drop * 12.0 - (level.muzzleElevation * kRange * 3.0 - 1.5 / 12.0) * 12.0;
    const double canted = tableWindage([](ShotParameters& s) { s.cantAngle = 1; }, kRange);
    EXPECT_NEAR(std::fabs(canted) / (std::sin(kPi / 180.0) * std::fabs(fall)), 1.0, 0.05)
        << canted << " " << fall << " " << level.rows[kRange].drop * 12.0;
}

// A direction spread turns the designed crosswind about its own side: the holds allow for it,
// so the impacts stay about the centre whichever way it blows.
TEST(HitProbability, TheDesignedCrosswindKeepsItsSideUnderADirectionSpread) {
    for (const double crosswind : {10.0, -10.0}) {
        HitRunOptions options;
        options.scatterRange = 600;
        const HitProbabilityResult result = computeHitProbability(shot308(crosswind), {.windDirectionSd = 10},
                                                                  {HitTarget::Shape::Circle, 8, 0}, {600}, options);
        double sum = 0;
        for (const HitImpact& impact : result.impacts) sum += impact.x;
        EXPECT_NEAR(sum / static_cast<double>(result.impacts.size()), 0.0, 1.0) << crosswind << " mph";
    }
}

// A range spread of 5 % is 30 yd at 600 yd (the same samples, the same hits) and not at 300.
TEST(HitProbability, ARangeSpreadInPercentIsThatShareOfEachRange) {
    const std::optional<HitSpreads> percent = parseRangeSpread("5%", HitSpreads{});
    ASSERT_TRUE(percent);
    EXPECT_TRUE(percent->rangeSdPercent);
    HitRunOptions options;
    options.runs = 3000;
    const HitTarget target{HitTarget::Shape::Circle, 6, 0};
    const auto hits = [&](const HitSpreads& spreads, int range) {
        return computeHitProbability(shot308(), spreads, target, {range}, options).figures[0].hits;
    };
    EXPECT_EQ(hits(*percent, 600), hits({.rangeSd = 30}, 600));
    EXPECT_LT(hits({.rangeSd = 30}, 600), options.runs);
    EXPECT_NE(hits(*percent, 300), hits({.rangeSd = 30}, 300));
}

// An airgun's table in rows of 5 yd: every row's hold from 5 to 30 yd lands inside an 8-in
// circle at 4 yd, so an estimate short of the first row (or of the muzzle) holds for it and hits.
TEST(HitProbability, AnEstimateShortOfTheFirstRowHoldsForIt) {
    ShotParameters airgun;
    airgun.velocity = 800;
    airgun.weight = 8;
    airgun.ballisticCoefficient = 0.02;
    airgun.sightHeight = 1.5;
    airgun.sightInRange = 33;
    airgun.rangeIncrement = 5;
    airgun.incrementCount = 9;
    airgun.targetRange = 4;
    airgun.hit.spreads.rangeSd = 5;
    airgun.hit.target = {HitTarget::Shape::Circle, 8, 0};
    TrajectorySolver table = setUpHitShot(airgun);
    table.computeTrajectory();
    for (int row = 5; row <= 30; row += 5)
        ASSERT_LT(std::fabs(table.rows[4].drop - table.rows[static_cast<std::size_t>(row)].drop * 4 / row) * 12, 4);
    const HitProbabilityResult result = shotHitProbability(airgun, {4}, shotHitOptions(airgun));
    EXPECT_EQ(result.figures[0].hits, result.runs);
}

// A P(hit) curve counts every so many increments, at most 40 ranges, and the target range
// among them: 1000 rows of 1 yd every 25 yd (40) and 327; 401 rows of 10 yd every 110 yd (36)
// and 500; 10 rows of 100 yd each (10), 500 among them; 40 rows of 25 yd each (40) and 1.
TEST(HitProbability, ACurveCountsAtMostFortyRangesAndTheTarget) {
    const struct {
        int increment, count, target, step, counted;
    } cases[] = {{1, 1000, 327, 25, 41}, {10, 401, 500, 110, 37}, {100, 10, 500, 100, 10}, {25, 40, 1, 25, 41}};
    for (const auto& c : cases) {
        ShotParameters shot = testing::load308();
        shot.rangeIncrement = c.increment;
        shot.incrementCount = c.count;
        shot.targetRange = c.target;
        const std::vector<int> ranges = shotHitRanges(shot, kHitCurveRanges);
        EXPECT_EQ(ranges.size(), std::size_t(c.counted)) << c.increment << " yd";
        EXPECT_TRUE(std::is_sorted(ranges.begin(), ranges.end()));
        EXPECT_NE(std::find(ranges.begin(), ranges.end(), c.target), ranges.end());
        for (const int range : ranges)
            EXPECT_TRUE(range == c.target || range % c.step == 0) << range << " yd of " << c.increment;
    }
}

TEST(HitProbability, TheSameSeedGivesTheSameFiguresOnAnyNumberOfThreads) {
    HitSpreads spreads{8, 2, 5, false, 2, 10, 0.7, 1};
    HitRunOptions options;
    options.runs = 700;  // not a whole number of blocks
    options.seed = 12345;
    options.scatterRange = 600;
    std::vector<HitProbabilityResult> results;
    for (const int threads : {1, 2, 5}) {
        options.threads = threads;
        results.push_back(
            computeHitProbability(shot308(8), spreads, {HitTarget::Shape::Circle, 8, 0}, {200, 600, 950}, options));
    }
    for (const HitProbabilityResult& result : results) {
        ASSERT_EQ(result.figures.size(), 3u);
        ASSERT_EQ(result.impacts.size(), results[0].impacts.size());
        for (std::size_t r = 0; r < 3; ++r) EXPECT_EQ(result.figures[r].hits, results[0].figures[r].hits);
        for (std::size_t i = 0; i < result.impacts.size(); ++i) EXPECT_EQ(result.impacts[i].x, results[0].impacts[i].x);
    }
    // The spreads do something: the far range is hit less often than the near one.
    EXPECT_LT(results[0].figures[2].hits, results[0].figures[0].hits);
    options.seed = 54321;
    EXPECT_NE(computeHitProbability(shot308(8), spreads, {HitTarget::Shape::Circle, 8, 0}, {200, 600, 950}, options)
                  .impacts[0]
                  .x,
              results[0].impacts[0].x);
}

// The scatter of P(hit) over independent seeds: about the error reported, and half as large
// with four times the runs.
TEST(HitProbability, TheErrorMatchesTheScatterOfSeedsAndShrinksAsOneOverRootN) {
    HitSpreads spreads;
    spreads.precisionMoa = 1.0;
    const TrajectorySolver shot = shot308();
    double scatter[2] = {0, 0};
    double reported[2] = {0, 0};
    const int runs[2] = {400, 1600};
    constexpr int kSeeds = 60;
    for (int n = 0; n < 2; ++n) {
        double sum = 0, squares = 0;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            HitRunOptions options;
            options.runs = runs[n];
            options.seed = static_cast<std::uint64_t>(seed);
            const HitRangeFigure figure =
                computeHitProbability(shot, spreads, {HitTarget::Shape::Circle, 8, 0}, {300}, options).figures[0];
            sum += figure.probability;
            squares += figure.probability * figure.probability;
            reported[n] += figure.standardError / kSeeds;
        }
        scatter[n] = std::sqrt((squares - sum * sum / kSeeds) / (kSeeds - 1));
        EXPECT_NEAR(scatter[n] / reported[n], 1.0, 0.3) << runs[n] << " runs";
    }
    EXPECT_NEAR(scatter[0] / scatter[1], 2.0, 0.6);
    EXPECT_NEAR(reported[0] / reported[1], 2.0, 0.05);
}

TEST(HitProbability, AShotThatNeverLeavesTheMuzzleHitsNothing) {
    TrajectorySolver shot = shot308();
    shot.muzzleVelocity = 40;  // below the speed that ends a flight
    HitSpreads spreads;
    spreads.precisionMoa = 1;
    spreads.velocitySd = 5;
    const HitProbabilityResult result =
        computeHitProbability(shot, spreads, {HitTarget::Shape::Circle, 8, 0}, {1, 100}, HitRunOptions{});
    ASSERT_EQ(result.figures.size(), 2u);
    EXPECT_EQ(result.figures[0].hits + result.figures[1].hits, 0);
}

TEST(HitProbability, TheEthicalRangeIsTheLastBeforePHitFirstFallsShort) {
    const auto figures = [](std::vector<double> p) {
        std::vector<HitRangeFigure> f;
        for (std::size_t i = 0; i < p.size(); ++i) f.push_back({100 * static_cast<int>(i + 1), 0, p[i], 0});
        return f;
    };
    EXPECT_EQ(ethicalRange(figures({1, 0.95, 0.9, 0.89, 0.95}), 0.9), 300);
    EXPECT_EQ(ethicalRange(figures({0.85, 0.95}), 0.9), std::nullopt);
    EXPECT_EQ(ethicalRange(figures({1, 1}), 0.9), 200);
}

TEST(HitProbability, MissesArePutDownToThePrecisionNearAndTheWindFar) {
    // A tall band: the precision spreads 2 in across at 200 yd, the wind call 1.3 in; at
    // 1000 yd 10 in and 19 in. At 125 yd the precision alone misses about 0.2 % (4 in is 3.05
    // of its 1.31 in): too few misses for anything to decide them.
    HitSpreads spreads;
    spreads.precisionMoa = 1.0;
    spreads.windSd = 2.0;
    HitRunOptions options;
    options.runs = 2000;
    const std::vector<MissCause> causes =
        missCauses(shot308(5), spreads, {HitTarget::Shape::Rectangle, 8, 1000}, {125, 200, 1000}, options);
    ASSERT_EQ(causes.size(), 3u);
    EXPECT_EQ(causes[0].spread, std::nullopt);
    EXPECT_EQ(causes[1].spread, HitSpread::Precision);
    EXPECT_EQ(causes[2].spread, HitSpread::Wind);
    EXPECT_EQ(missCausesText({{100, std::nullopt},
                              {200, HitSpread::Precision},
                              {300, HitSpread::Precision},
                              {500, HitSpread::Range},
                              {700, HitSpread::Wind},
                              {900, HitSpread::Wind}}),
              "The precision decides most of the misses up to 300 yd, the range estimate at 500 yd, the "
              "wind call beyond 500 yd.");
    EXPECT_EQ(missCausesText({{500, HitSpread::Wind}}), "The wind call decides most of the misses.");
    EXPECT_EQ(missCausesText({{500, std::nullopt}}), "");
}

TEST(HitProbability, AGroupOfTwoShotsIsRootPiDeviations) {
    EXPECT_NEAR(precisionFromGroup(1.0, 2), 1.0 / std::sqrt(std::numbers::pi), 1e-4);
    EXPECT_LT(precisionFromGroup(1.0, 10), precisionFromGroup(1.0, 5));
    EXPECT_TRUE(std::isnan(precisionFromGroup(1.0, 1)));
    EXPECT_TRUE(std::isnan(precisionFromGroup(1.0, 11)));
}

}  // namespace
}  // namespace vorlan
