#include "reports/comparison/ShotComparison.h"

#include <gtest/gtest.h>

#include <cmath>

#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

ShotParameters rifle() {
    ShotParameters shot = testing::load308();
    shot.name = "rifle";
    shot.incrementCount = 300;
    shot.targetRange = 200.0;
    return shot;
}

// A trajectory with `rows` rows whose drop and windage are the given feet at every row.
TrajectorySolver flat(int rows, double drop, double windage) {
    TrajectorySolver t;
    for (int i = 0; i < rows; ++i) t.rows.push_back({double(i), 0, 0, 0, drop, windage, 0, 0});
    t.lastRowIndex = rows - 1;
    return t;
}

TEST(ShotComparison, SameShotComparesEqualAtTheTargetRange) {
    ShotParameters shot = rifle();
    const std::optional<ShotBaseline> baseline = setBaseline(shot);
    const ComparisonTexts texts = shootComparison(baseline, shot);
    EXPECT_EQ(texts.relativeDrop, "0.00");
    EXPECT_EQ(texts.relativeDrift, "0.00");
    EXPECT_EQ(texts.targetRange, "200");
    EXPECT_EQ(texts.status, "");
    EXPECT_EQ(texts.baselineName, "rifle");
    EXPECT_EQ(texts.currentName, "rifle");
}

TEST(ShotComparison, SetBaselineWritesTheZeroedMuzzleAngleBack) {
    ShotParameters shot = rifle();
    setBaseline(shot);
    EXPECT_GT(shot.muzzleAngle, 0.0);
    EXPECT_EQ(shot.muzzleAngle, std::round(shot.muzzleAngle * 1000.0) / 1000.0);
    ShotParameters fixed = rifle();
    fixed.muzzleAngleCorrection = false;
    fixed.muzzleAngle = 1.5;
    setBaseline(fixed);
    EXPECT_EQ(fixed.muzzleAngle, 1.5);
}

// With only a crosswind added, the relative drift is the current shot's wind drift, as the
// range table counts it.
TEST(ShotComparison, CrosswindAloneGivesTheWindDrift) {
    ShotParameters shot = rifle();
    const ShotBaseline baseline = setBaseline(shot);
    shot.crosswind = 10.0;
    const ShotComparison c = compareShots(baseline.trajectory, comparisonTrajectory(shot), shot.targetRange);
    ASSERT_TRUE(c.compared);
    const double tableDrift = RangeTableReport(shot).printedRows()[200].windage * 12.0;
    EXPECT_NEAR(c.relativeDrift, tableDrift, 1e-9);
    EXPECT_GT(c.relativeDrift, 2.0);
    EXPECT_NEAR(c.relativeDrop, 0.0, 0.05);
}

// In metric units the window and vorlan-cli tell the same differences in centimetres and the
// compared row in metres (2.54 cm to the inch, 0.9144 m to the yard); the sides stay.
TEST(ShotComparison, MetricTextsAreTheSameDifferences) {
    ShotParameters shot = rifle();
    const ShotBaseline baseline = setBaseline(shot);
    shot.crosswind = 10.0;
    shot.velocity -= 100.0;
    const ShotComparison c = compareShots(baseline.trajectory, comparisonTrajectory(shot), shot.targetRange);
    const ComparisonTexts metric = shootComparison(baseline, shot, UnitChoice::preset(UnitSystem::Metric));
    EXPECT_EQ(metric.relativeDrop, cFormat("%.2f", c.relativeDrop * 2.54));
    EXPECT_EQ(metric.relativeDrift, cFormat("%.2f", c.relativeDrift * 2.54));
    EXPECT_EQ(metric.targetRange, "183");  // 200 yd
    EXPECT_EQ(metric.dropSide, "low");
    EXPECT_EQ(metric.driftSide, "right");
    EXPECT_EQ(shootComparison(std::nullopt, shot, UnitChoice::preset(UnitSystem::Metric)).targetRange, "183");
}

TEST(ShotComparison, TargetRangeIsTruncatedWhileTheNoBaselineTextRounds) {
    ShotParameters shot = rifle();
    shot.targetRange = 50.9;
    const std::optional<ShotBaseline> baseline = setBaseline(shot);
    EXPECT_EQ(shootComparison(baseline, shot).targetRange, "50");
    const ComparisonTexts none = shootComparison(std::nullopt, shot);
    EXPECT_EQ(none.targetRange, "51");
    EXPECT_EQ(none.status, "No baseline set");
    EXPECT_EQ(none.relativeDrop, "");
    EXPECT_EQ(none.relativeDrift, "");
    EXPECT_EQ(none.baselineName, "");
}

TEST(ShotComparison, ShortTrajectoriesMoveTheComparedRow) {
    const struct {
        int baselineRows, currentRows;
        const char* status;
    } cases[] = {{61, 81, "Target beyond baseline range"},
                 {81, 61, "Target beyond shot range"},
                 {61, 61, "Target beyond maximum range"}};
    for (const auto& k : cases) {
        const ShotComparison c = compareShots(flat(k.baselineRows, 0, 0), flat(k.currentRows, 0, 0), 100.0);
        EXPECT_TRUE(c.compared);
        EXPECT_EQ(c.range, 60);
        EXPECT_EQ(c.status, k.status);
    }
    const ShotComparison inside = compareShots(flat(101, 0, 0), flat(101, 0, 0), 100.0);
    EXPECT_EQ(inside.range, 100);
    EXPECT_EQ(inside.status, "");
}

TEST(ShotComparison, TinyDifferencesShowAsZeroWithoutSign) {
    const double tiny = -0.004 / 12.0;
    ShotComparison c = compareShots(flat(11, 0, 0), flat(11, tiny, tiny), 10.0);
    EXPECT_EQ(c.relativeDrop, 0.0);
    EXPECT_FALSE(std::signbit(c.relativeDrop));
    EXPECT_FALSE(std::signbit(c.relativeDrift));
    c = compareShots(flat(11, 0, 0), flat(11, -0.006 / 12.0, 0.5), 10.0);
    EXPECT_NEAR(c.relativeDrop, -0.006, 1e-12);
    EXPECT_NEAR(c.relativeDrift, 6.0, 1e-12);
}

TEST(ShotComparison, NoRowToCompare) {
    const ShotComparison negative = compareShots(flat(11, 0, 0), flat(11, 0, 0), -5.0);
    EXPECT_FALSE(negative.compared);
    EXPECT_EQ(negative.status, "Invalid target range");
    EXPECT_FALSE(compareShots(flat(11, 0, 0), flat(11, 0, 0), std::nan("")).compared);

    ShotParameters shot = rifle();
    const std::optional<ShotBaseline> baseline = setBaseline(shot);
    shot.velocity = 40.0;  // records no row at all
    const ComparisonTexts texts = shootComparison(baseline, shot);
    EXPECT_EQ(texts.status, "Target beyond shot range");
    EXPECT_EQ(texts.targetRange, "");
    EXPECT_EQ(texts.relativeDrop, "");
    EXPECT_EQ(compareShots(flat(0, 0, 0), flat(0, 0, 0), 5.0).status, "Target beyond maximum range");
}

// A canted sight in a strong wind: the wind holds the shot up while its windless reference
// falls out of the march before the sight-in row. The windage is then left uncorrected.
TEST(ShotComparison, ReferenceEndingBeforeTheSightInRowSubtractsNothing) {
    ShotParameters shot;
    shot.muzzleAngleCorrection = false;
    shot.cantAngle = 45.0;
    shot.crosswind = 100.0;
    shot.sightInRange = 400.0;
    shot.incrementCount = 600;
    TrajectorySolver plain;
    setUpTrajectory(plain, shot, kReferenceCantDivisor);
    plain.targetSpeed = 0.0;
    TrajectorySolver windless = plain;
    windless.crosswind = 0.0;
    plain.computeTrajectory();
    windless.computeTrajectory();
    ASSERT_LT(windless.lastRowIndex, 400);
    ASSERT_GE(plain.lastRowIndex, 400);
    const TrajectorySolver compared = comparisonTrajectory(shot);
    ASSERT_EQ(compared.lastRowIndex, plain.lastRowIndex);
    EXPECT_EQ(compared.rows[150].windage, plain.rows[150].windage);
}

}  // namespace
}  // namespace vorlan
