#include "shot/Truing.h"

#include <gtest/gtest.h>

#include "engine/Holds.h"
#include "reports/table/RangeTable.h"
#include "shot/ShotFile.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/ObservedHolds.h"

namespace vorlan {
namespace {

using testing::holdsOf;
using testing::load308;
using testing::realRifle;
using testing::trueHoldMoa;

// The box says 2700 ft/s and G7 0.243; the rifle shoots 2650 ft/s and its bullet follows G1
// 0.47. From holds at 300 to 1200 yd the fit must match every hold to its 0.1 MOA and predict
// ranges it never saw within 0.3 MOA, with each drag-scale shape it can take.
TEST(Truing, RecoversARifleWithAnotherVelocityAndDragFunction) {
    const ShotParameters truth = realRifle();
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

// Boat-tail bullets that follow G7, boxed with G1 coefficients of 2.04 times theirs (0.496 for
// 0.243): one factor on G1 cannot bend G1 into G7, so the automatic fit also tries G7 (as Apply
// then writes it) and predicts 1200 yd, 300 yd past the last hold, within 0.5 MOA. A fit chosen
// by hand keeps the box's G1.
TEST(Truing, AnAutomaticFitChoosesTheDragFunction) {
    const struct { double velocity, g7; } truths[] = {{2650.0, 0.243}, {2800.0, 0.22}, {2550.0, 0.26}, {2950.0, 0.30}};
    for (const auto& t : truths) {
        SCOPED_TRACE(t.velocity);
        ShotParameters truth = load308();
        truth.velocity = t.velocity;
        truth.ballisticCoefficient = t.g7;
        ShotParameters box = load308();
        box.dragFunction = 0;
        box.ballisticCoefficient = 2.04 * t.g7;
        const std::vector<Observation> holds = holdsOf(truth, {300, 400, 500, 600, 700, 800, 900});
        const struct {
            TruingFit fit;
            bool chosen;
            int dragFunction;
        } fits[] = {{TruingFit::Auto, true, 4}, {TruingFit::Bc, false, 0}};
        // Boxed with the bullet's own G7, the automatic fit keeps it.
        const TruingResult kept = trueShot(load308(), holds, TruingFit::Auto);
        EXPECT_FALSE(kept.dragFunctionChosen);
        for (const auto& f : fits) {
            const TruingResult result = trueShot(box, holds, f.fit);
            ASSERT_EQ(result.outcome, TruingResult::Outcome::Fitted) << result.message;
            EXPECT_EQ(result.dragFunctionChosen, f.chosen);
            ShotParameters trued = box;
            applyTruing(trued, result);
            EXPECT_EQ(trued.dragFunction, f.dragFunction);
            EXPECT_EQ(trued.ballisticCoefficient, f.chosen ? result.ballisticCoefficient : box.ballisticCoefficient);
            if (f.chosen) {
                // The box's G1 figure turned into G7 over the flight's Mach: near the bullet's own.
                EXPECT_NEAR(result.ballisticCoefficient, t.g7, 0.1 * t.g7);
                EXPECT_NEAR(trueHoldMoa(trued, 1200), trueHoldMoa(truth, 1200), 0.5);
            }
        }
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

// The stated errors are least squares' own: the square roots of the diagonal of (JᵀJ)⁻¹, with
// J the holds' change per ft/s and per unit of drag scale over their uncertainty, worked out
// here by central differences of the flown holds.
TEST(Truing, StandardErrorsAreTheLeastSquaresOnes) {
    const std::vector<int> ranges = {200, 400, 600, 800, 1000};
    const double sigma = 0.15;
    ShotParameters truth = load308();
    truth.velocity = 2660.0;
    truth.advanced.dragScale = {{0.0, 1.06}};
    const TruingResult result = trueShot(load308(), holdsOf(truth, ranges, sigma, 3), TruingFit::Bc);
    ASSERT_EQ(result.outcome, TruingResult::Outcome::Fitted) << result.message;
    ShotParameters at = load308();
    at.velocity = result.velocity;
    const auto hold = [&](double velocity, double scale, int range) {
        ShotParameters s = at;
        s.velocity = velocity;
        s.advanced.dragScale = {{0.0, scale}};
        return trueHoldMoa(s, range);
    };
    const double v = result.velocity, f = result.dragScale[0].factor, dv = 1.0, df = 0.002;
    double a = 0, b = 0, c = 0;  // JᵀJ = [[a, b], [b, c]]
    for (int range : ranges) {
        const double jv = (hold(v + dv, f, range) - hold(v - dv, f, range)) / (2 * dv) / sigma;
        const double jf = (hold(v, f + df, range) - hold(v, f - df, range)) / (2 * df) / sigma;
        a += jv * jv, b += jv * jf, c += jf * jf;
    }
    const double determinant = a * c - b * b;
    EXPECT_NEAR(result.velocityError, std::sqrt(c / determinant), 0.03 * std::sqrt(c / determinant));
    EXPECT_NEAR(result.dragScaleErrors[0], std::sqrt(a / determinant), 0.03 * std::sqrt(a / determinant));
}

// An observation at `range` with one reading.
Observation seen(double range, double value, double Observation::*reading = &Observation::upMoa) {
    Observation o;
    o.range = range;
    o.*reading = value;
    return o;
}

// Holds of the load itself at `ranges`, the one in `row` typed as `typed`.
std::vector<Observation> holdsWithTypo(const std::vector<int>& ranges, std::size_t row, double typed) {
    std::vector<Observation> holds = holdsOf(load308(), ranges);
    holds[row].upMoa = typed;
    return holds;
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
        // Two holds 40 yd apart leave the velocity and the drag to hundreds of ft/s and whole factors.
        {"two near ranges", load308(), holdsOf(load308(), {150, 190}), TruingFit::Auto, O::Undecided,
         "cannot decide the fit: its standard errors"},
        {"a typed 500 for 50.0", load308(), holdsWithTypo({300, 500, 700, 900, 1000, 1100}, 3, 500.0), TruingFit::Auto,
         O::Undecided, "at 900 yd (row 4) is off by"},
        {"a typed 45 for 4.5 in the first row", load308(), holdsWithTypo({300, 500, 700, 900, 1000, 1100}, 0, 45.0),
         TruingFit::Auto, O::Undecided, "at 300 yd (row 1) is off by"},
        // 3000 quarter-minute clicks are 750 MOA, beyond what a hold in MOA may be.
        {"a hold of too many clicks",
         load308(),
         {seen(300, 2.0), seen(600, 3000.0, &Observation::upClicks)},
         TruingFit::Auto,
         O::BadInput,
         "row 2: up_clicks at 600 yd is 750 MOA in clicks of 1/4 MOA"},
        {"a time of 0 s",
         load308(),
         {seen(300, 2.0), seen(600, 0.0, &Observation::time)},
         TruingFit::Auto,
         O::BadInput,
         "row 2: time_s at 600 yd must be above 0"},
        // 600 yd is 1800 ft: 0.36 s even at 5000 ft/s.
        {"a time faster than any bullet",
         load308(),
         {seen(600, 0.3, &Observation::time), seen(300, 2.0)},
         TruingFit::Auto,
         O::BadInput,
         "row 1: a time_s of 0.3 s at 600 yd is shorter than any flight there (0.360 s"},
        // 4900 ft/s at 300 yd needs well over the 5000 ft/s the velocity field holds at the muzzle.
        {"a velocity beyond the field",
         load308(),
         {seen(300, 4900.0, &Observation::velocity)},
         TruingFit::Auto,
         O::Undecided,
         "cannot be written into the shot: Velocity:"},
        // The Mach at 1050 yd, half way between 900 and 1200, is above 1.08; at 1250 yd it is
        // below, but only one observed range lies beyond it.
        {"a knot with one range beyond", load308(), holdsOf(load308(), {300, 600, 900, 1200, 1300}), TruingFit::Mach,
         O::Undecided, "below Mach 1.08 between two observed ranges"},
        // As many readings as fitted values, the velocity counted: a fit, with nothing to check it.
        {"two readings, two values", load308(), holdsOf(realRifle(), {300, 1000}), TruingFit::Bc, O::Fitted,
         "nothing is left to check"},
        {"one reading, one value",
         load308(),
         {seen(600, 17.0)},
         TruingFit::Auto,
         O::Fitted,
         "nothing is left to check"},
        {"three readings, two values", load308(), holdsOf(realRifle(), {300, 600, 1000}), TruingFit::Bc, O::Fitted, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TruingResult result = trueShot(c.shot, c.observations, c.fit);
        EXPECT_EQ(result.outcome, c.outcome);
        const std::string& said = c.outcome == O::Fitted ? result.note : result.message;
        EXPECT_NE(said.find(c.message), std::string::npos) << said;
        if (*c.message == '\0') {
            EXPECT_EQ(said, "");
        }
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
    EXPECT_NE(extensionShotFileText(velocityOnly).find("Drag Scale:0 1\r"), std::string::npos);
    shot.advanced.dragScale.clear();
    EXPECT_EQ(trued(shot), "0 lines");
}

}  // namespace
}  // namespace vorlan
