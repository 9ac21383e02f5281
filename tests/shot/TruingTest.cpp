#include "shot/Truing.h"

#include <gtest/gtest.h>

#include "engine/Holds.h"
#include "reports/table/RangeTable.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/ObservedHolds.h"

namespace vorlan {
namespace {

using testing::holdsOf;
using testing::load308;
using testing::trueHoldMoa;

// The box says 2700 ft/s and G7 0.243; the rifle shoots 2650 ft/s and its bullet follows G1
// 0.47. From holds at 300 to 1200 yd the fit must match every hold to its 0.1 MOA and predict
// ranges it never saw within 0.3 MOA, with each drag-scale shape it can take.
TEST(Truing, RecoversARifleWithAnotherVelocityAndDragFunction) {
    ShotParameters truth = load308();
    truth.velocity = 2650.0;
    truth.dragFunction = 0;
    truth.ballisticCoefficient = 0.47;
    const struct {
        TruingFit fit;
        std::vector<int> ranges;
        std::vector<int> unseen;
    } cases[] = {
        {TruingFit::Auto, {300, 400, 500, 600, 700, 800, 900, 1000}, {650, 950}},
        {TruingFit::Mach, {300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200}, {650, 1050, 1150}},
        {TruingFit::Bc, {300, 500, 700}, {400, 600}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fit));
        const TruingResult result = trueShot(load308(), holdsOf(truth, c.ranges), c.fit);
        ASSERT_EQ(result.outcome, TruingResult::Outcome::Fitted) << result.message;
        EXPECT_EQ(result.fit, c.fit == TruingFit::Auto ? TruingFit::Bc : c.fit);
        for (const TruingResidual& r : result.residuals) {
            EXPECT_LT(std::fabs(r.after), r.sigma) << r.range;
            EXPECT_GT(std::fabs(r.before), std::fabs(r.after));
        }
        ShotParameters trued = load308();
        applyTruing(trued, result);
        for (int range : c.unseen) EXPECT_NEAR(trueHoldMoa(trued, range), trueHoldMoa(truth, range), 0.3) << range;
    }
}

// Holds with Gaussian noise of their stated uncertainty: over ten seeds the truth lies within
// three standard errors every time and within one about two times in three.
TEST(Truing, StandardErrorsCoverTheTruthUnderNoise) {
    ShotParameters truth = load308();
    truth.velocity = 2660.0;
    truth.advanced.dragScale = {{0.0, 1.06}};
    int withinOne = 0;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        const TruingResult result =
            trueShot(load308(), holdsOf(truth, {200, 400, 600, 800, 1000}, 0.15, seed), TruingFit::Bc);
        ASSERT_EQ(result.outcome, TruingResult::Outcome::Fitted) << result.message;
        ASSERT_EQ(result.dragScale.size(), 1u);
        const double velocityOff = std::fabs(result.velocity - 2660.0) / result.velocityError;
        const double scaleOff = std::fabs(result.dragScale[0].factor - 1.06) / result.dragScaleErrors[0];
        EXPECT_LT(velocityOff, 3.0) << seed;
        EXPECT_LT(scaleOff, 3.0) << seed;
        withinOne += (velocityOff < 1.0) + (scaleOff < 1.0);
        EXPECT_GT(result.velocityError, 1.0);
        EXPECT_LT(result.velocityError, 100.0);
    }
    EXPECT_GE(withinOne, 9);
    EXPECT_LE(withinOne, 18);
}

Observation seen(double range, double upMoa) {
    Observation o;
    o.range = range;
    o.upMoa = upMoa;
    return o;
}

// What the fit refuses, and the reason it gives.
TEST(Truing, SaysWhenTheObservationsCannotDecide) {
    ShotParameters slow = load308();
    slow.velocity = 1000.0;
    ShotParameters badScale = load308();
    badScale.advanced.dragScale = {{1.0, 3.0}};
    Observation nothing;
    nothing.range = 300;
    using O = TruingResult::Outcome;
    const struct {
        const char* name;
        ShotParameters shot;
        std::vector<Observation> observations;
        TruingFit fit;
        O outcome;
        const char* message;
    } cases[] = {
        {"one range", load308(), {seen(600, 17.0), seen(600, 17.2)}, TruingFit::Bc, O::Undecided, "one range (600 yd)"},
        {"all subsonic",
         slow,
         {seen(100, 1.0), seen(200, 4.0), seen(300, 8.0)},
         TruingFit::Auto,
         O::Undecided,
         "below Mach 1.2"},
        {"contradicting",
         load308(),
         {seen(300, 2.0), seen(500, 8.0), seen(500, 12.0), seen(700, 17.0)},
         TruingFit::Bc,
         O::Undecided,
         "contradict"},
        {"beyond reach",
         load308(),
         {seen(300, 2.0), seen(4900, 500.0)},
         TruingFit::Auto,
         O::Undecided,
         "does not reach"},
        {"a hold out of bounds",
         load308(),
         {seen(300, 2.0), seen(900, 900.0)},
         TruingFit::Auto,
         O::BadInput,
         "-600 to 600"},
        {"Mach from two ranges",
         load308(),
         {seen(300, 2.0), seen(600, 13.0)},
         TruingFit::Mach,
         O::Undecided,
         "below Mach 1.08 between two observed ranges"},
        {"no reading", load308(), {nothing}, TruingFit::Auto, O::BadInput, "needs a hold"},
        {"no observation", load308(), {}, TruingFit::Auto, O::BadInput, "no observations"},
        {"a damaged drag scale", badScale, {seen(300, 2.0)}, TruingFit::Auto, O::BadInput, "Drag Scale:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TruingResult result = trueShot(c.shot, c.observations, c.fit);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
    }
}

// Applying a fit names it in the table's header; clearing the drag scale takes the line away.
TEST(Truing, TheTableNamesTheTruingInForce) {
    ShotParameters shot = load308();
    TruingResult fit;
    fit.velocity = 2651.3;
    fit.dragScale = {{0.9, 1.04}, {1.6, 1.0}, {2.4, 1.013}};
    applyTruing(shot, fit);
    const auto trued = [](const ShotParameters& s) {
        int count = 0;
        std::string found;
        for (const std::string& line : rangeTableLines(s, RangeTableReport(s)))
            if (line.rfind("Trued:", 0) == 0) found = line, ++count;
        return count == 1 ? found : std::to_string(count) + " lines";
    };
    EXPECT_EQ(trued(shot), "Trued: velocity 2651 ft/s, drag scale 1.00–1.04");
    fit.dragScale.clear();
    ShotParameters velocityOnly = load308();
    applyTruing(velocityOnly, fit);
    EXPECT_EQ(trued(velocityOnly), "Trued: velocity 2651 ft/s, drag scale 1.00");
    shot.advanced.dragScale.clear();
    EXPECT_EQ(trued(shot), "0 lines");
}

}  // namespace
}  // namespace vorlan
