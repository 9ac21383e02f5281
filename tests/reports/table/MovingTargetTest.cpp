// The range table's lead and windage columns against figures worked out in the test: the
// lead of a moving target from its speed in mph, and the windage counted from the windless
// trajectory's row at the sight-in range (the march written out by hand, HandBuiltFlights.h).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "reports/comparison/ShotComparison.h"
#include "reports/table/RangeTable.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/HandBuiltFlights.h"

namespace vorlan {
namespace {

std::string printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// lead = target speed (mph) x 5280 / 3600 x sin(direction) x time of flight
TEST(MovingTarget, LeadColumnIsTheDistanceTheTargetCrossesDuringTheFlight) {
    const double directions[] = {90.0, 30.0, 145.0};
    for (ShotParameters shot : {ShotParameters{}, testing::load308()}) {
        for (const double direction : directions) {
            shot.targetSpeed = 12.5;
            shot.targetDirection = direction;
            const RangeTableReport report(shot);
            const std::vector<std::string> lines = rangeTableLines(shot, report);
            const std::vector<TrajectoryPoint> rows = report.printedRows();
            ASSERT_GT(rows.size(), 40u);
            const double across = 12.5 * 5280.0 / 3600.0 * std::sin(direction * 3.1415926 / 180.0);  // ft/s
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const double lead = across * rows[i].time;
                ASSERT_NEAR(rows[i].lead, lead, 1e-9 * (1.0 + lead))
                    << "lead at " << i << " yd, " << direction << " deg";
                ASSERT_EQ(lines[14 + i].substr(59, 10), printed("%10.1f", lead * 12.0))
                    << "lead column at " << i << " yd, " << direction << " deg";
            }
            EXPECT_GT(rows.back().lead * 12.0, 1.0);
        }
    }
}

// The comparison flies its shots at a standing target: a moving one changes nothing in it.
TEST(MovingTarget, ComparisonIgnoresTheTargetsMotion) {
    ShotParameters standing = testing::load308();
    standing.crosswind = 10;
    ShotParameters moving = standing;
    moving.targetSpeed = 30;
    const TrajectorySolver still = comparisonTrajectory(standing);
    const TrajectorySolver crossing = comparisonTrajectory(moving);
    ASSERT_EQ(crossing.lastRowIndex, still.lastRowIndex);
    for (int i = 0; i <= crossing.lastRowIndex; ++i) {
        EXPECT_EQ(crossing.rows[i].lead, 0.0) << i;
        EXPECT_EQ(crossing.rows[i].drop, still.rows[i].drop) << i;
        EXPECT_EQ(crossing.rows[i].windage, still.rows[i].windage) << i;
    }
}

// The table's windage is its own windage less that of the windless reference (cant over
// 57.296 instead of 57.295) at the sight-in range truncated to whole yards.
TEST(WindageCorrection, SubtractsTheWindlessReferenceAtTheTruncatedSightInRow) {
    for (const double sightIn : {30.7, 12.0, 44.99}) {
        ShotParameters shot;
        shot.cantAngle = 7;
        shot.crosswind = 12;
        shot.sightInRange = sightIn;
        shot.muzzleAngleCorrection = false;
        shot.muzzleAngle = 20;
        const RangeTableReport report(shot);
        const std::vector<TrajectoryPoint> rows = report.printedRows();

        const Atmosphere air = shotAtmosphere(shot);
        const testing::HandAir hand{coefficientRoutine(kG1), shot.ballisticCoefficient, air.speedOfSound,
                                    air.density / kStandardDensity};
        testing::HandShot flown{800, 20.0 / 60.0 * 3.1415926 / 180.0, 0, 7 / 57.295, 1.5 / 12.0, 12, 45};
        const auto table = testing::handBuiltMarch(flown, hand);
        flown.cant = 7 / 57.296;
        flown.crosswind = 0;
        const auto reference = testing::handBuiltMarch(flown, hand);
        ASSERT_EQ(rows.size(), table.size());
        const double offset = reference[static_cast<std::size_t>(std::trunc(sightIn))].windage;
        ASSERT_NE(offset, 0.0);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            double expected = table[i].windage - offset;
            if (std::fabs(expected * 12.0) < 0.005) expected = 0.0;
            ASSERT_NEAR(rows[i].windage, expected, 1e-9)
                << "windage correction at " << i << " yd, sight-in " << sightIn;
        }
    }
}

}  // namespace
}  // namespace vorlan
