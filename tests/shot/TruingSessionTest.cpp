// A truing session as the Truing window drives it, without the window: fit, apply, the range
// table that then matches the holds, clear, and a fit never written over another shot.

#include "shot/TruingSession.h"

#include <gtest/gtest.h>

#include "reports/table/RangeTable.h"
#include "shot/ShotFile.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/ObservedHolds.h"

namespace vorlan {
namespace {

using testing::holdsOf;
using testing::load308;
using testing::realRifle;

// Five holds, Fit, Apply: the printed table gives every observed hold within its 0.1 MOA and
// names the truing; Clear Truing puts the box's values back.
TEST(TruingSession, FitApplyAndTheTableMatchesTheHolds) {
    const std::vector<int> ranges = {300, 500, 700, 850, 1000};
    TruingSession session(holdsOf(realRifle(), ranges));
    ShotParameters shot = load308();
    ASSERT_EQ(session.fit(shot, TruingFit::Auto).outcome, TruingResult::Outcome::Fitted);
    ASSERT_EQ(session.apply(shot), TruingSession::Applied::Applied);
    EXPECT_GT(std::fabs(shot.velocity - 2700.0), 10.0);
    EXPECT_TRUE(shot.advanced.dragScaleOn());

    ShotParameters table = shot;
    table.rangeIncrement = 50;
    table.incrementCount = 20;
    const RangeTableReport report(table);
    const std::vector<TrajectoryPoint> rows = report.printedRows();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const TrajectoryPoint& row = rows.at(static_cast<std::size_t>(ranges[i] / 50));
        const double printedHold = -std::atan(row.drop * 12.0 / (ranges[i] * 36.0)) * 180.0 / 3.14159265358979 * 60.0;
        EXPECT_NEAR(printedHold, session.observations()[i].upMoa, 0.1) << ranges[i];
    }
    const std::vector<std::string> lines = rangeTableLines(table, report);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Trued: "); }));

    EXPECT_EQ(session.clear(shot), TruingSession::Cleared::Restored);
    EXPECT_EQ(shot.velocity, 2700.0);
    EXPECT_FALSE(shot.advanced.dragScaleOn());
    EXPECT_EQ(session.clear(shot), TruingSession::Cleared::NothingInForce);
}

// A fit is written only over the shot it was made on (or that shot trued by it already).
TEST(TruingSession, AppliesOnlyToTheShotFitted) {
    TruingSession session(holdsOf(realRifle(), {300, 500, 700, 850, 1000}));
    ShotParameters shot = load308();
    EXPECT_EQ(session.apply(shot), TruingSession::Applied::NoFit);
    session.fit(shot, TruingFit::Auto);
    ShotParameters other = shot;
    other.ballisticCoefficient = 0.25;
    EXPECT_EQ(session.apply(other), TruingSession::Applied::ShotChanged);
    EXPECT_EQ(other.velocity, 2700.0);
    EXPECT_EQ(session.apply(shot), TruingSession::Applied::Applied);
    const double trued = shot.velocity;
    EXPECT_EQ(session.apply(shot), TruingSession::Applied::Applied);
    EXPECT_EQ(shot.velocity, trued);
    // Other observations loaded: the fit made on the old ones goes.
    session.replaceObservations(holdsOf(load308(), {300, 600}));
    EXPECT_FALSE(session.canApply());
}

// Apply keeps the velocity as entered with the shot: written to its file and read back, a new
// session's Clear Truing puts the chronograph's 2700 back and the key goes. A shot never trued
// writes no key.
TEST(TruingSession, ClearTruingRestoresTheVelocityKeptInTheFile) {
    EXPECT_EQ(extensionShotFileText(load308()), "");
    TruingSession session(holdsOf(realRifle(), {300, 500, 700, 850, 1000}));
    ShotParameters shot = load308();
    session.fit(shot, TruingFit::Auto);
    ASSERT_EQ(session.apply(shot), TruingSession::Applied::Applied);
    const std::string text = shotFileText(shot) + extensionShotFileText(shot);
    EXPECT_NE(text.find("\nVelocity Before Truing:2700\r\r\n"), std::string::npos) << text;

    ShotParameters read;
    readShotText(text, read, ShotReadMode::Load);
    TruingSession later(read.observations);
    ASSERT_EQ(later.clear(read), TruingSession::Cleared::VelocityRestored);
    EXPECT_EQ(read.velocity, 2700.0);
    EXPECT_FALSE(read.advanced.dragScaleOn());
    EXPECT_EQ(extensionShotFileText(read).find("Velocity Before Truing"), std::string::npos);

    // Read whole, as every added key: a value that is not a velocity is told and not kept.
    for (const char* bad : {"Velocity Before Truing:2700 fps", "Velocity Before Truing:0", "Velocity Before Truing:",
                            "Velocity Before Truing:0.99", "Velocity Before Truing:5000.5"}) {
        ShotParameters told;
        std::vector<std::string> problems;
        readShotTextTelling(std::string(bad) + "\r\n", told, ShotReadMode::Load, problems);
        EXPECT_EQ(told.velocityBeforeTruing, 0.0) << bad;
        ASSERT_EQ(problems.size(), 1u) << bad;
        EXPECT_NE(problems[0].find("is not a velocity"), std::string::npos) << problems[0];
    }
    for (const double edge : {1.0, 5000.0}) {
        ShotParameters kept;
        readShotText("Velocity Before Truing:" + std::to_string(edge) + "\r\n", kept, ShotReadMode::Load);
        EXPECT_EQ(kept.velocityBeforeTruing, edge);
    }
}

// A fit that chose G7 for a box's G1 writes G7 and its coefficient; Clear Truing puts the box's
// G1 coefficient back with the velocity.
TEST(TruingSession, ClearPutsBackTheDragFunctionApplyReplaced) {
    ShotParameters truth = load308();
    truth.velocity = 2650.0;
    ShotParameters shot = load308();
    shot.dragFunction = 0;
    shot.ballisticCoefficient = 0.496;
    TruingSession session(holdsOf(truth, {300, 400, 500, 600, 700, 800, 900}));
    ASSERT_EQ(session.fit(shot, TruingFit::Auto).outcome, TruingResult::Outcome::Fitted);
    ASSERT_EQ(session.apply(shot), TruingSession::Applied::Applied);
    EXPECT_EQ(shot.dragFunction, 4);
    EXPECT_EQ(session.apply(shot), TruingSession::Applied::Applied);  // the same fit again
    EXPECT_EQ(session.clear(shot), TruingSession::Cleared::Restored);
    EXPECT_EQ(shot.dragFunction, 0);
    EXPECT_EQ(shot.ballisticCoefficient, 0.496);
    EXPECT_EQ(shot.velocity, 2700.0);
    EXPECT_EQ(shot.velocityBeforeTruing, 0.0);
}

}  // namespace
}  // namespace vorlan
