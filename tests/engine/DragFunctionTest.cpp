#include "engine/DragFunction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/DragTables.h"

namespace vorlan {
namespace {

// The lookup as a plain scan from the bottom of the table: the behaviour the fast search
// must reproduce exactly.
double scanLookup(const dragtables::DragTable& t, double m) {
    if (m == t.points[0].mach) return t.points[0].cd;
    for (std::size_t i = 1; i < t.count; ++i) {
        if (m <= t.points[i].mach) {
            const auto& a = t.points[i - 1];
            const auto& b = t.points[i];
            return a.cd + (b.cd - a.cd) * (m - a.mach) / (b.mach - a.mach);
        }
    }
    return t.points[t.count - 1].cd;
}

TEST(DragTables, ShapeOfEveryTable) {
    const std::size_t counts[] = {79, 85, 76, 79, 84, 78, 87, 81, 81, 87};
    const double lastMach[] = {5, 5, 5, 5, 5, 5, 5, 5, 4, 4};
    for (std::size_t i = 0; i < dragtables::kTableCount; ++i) {
        const auto& t = dragtables::kTables[i];
        EXPECT_EQ(t.count, counts[i]) << dragFunctionName(i);
        EXPECT_EQ(t.points[0].mach, 0.0);
        EXPECT_DOUBLE_EQ(t.points[t.count - 1].mach, lastMach[i]);
        for (std::size_t k = 1; k < t.count; ++k) EXPECT_LT(t.points[k - 1].mach, t.points[k].mach);
    }
}

TEST(DragFunction, KnownCoefficients) {
    struct {
        DragFunction index;
        double mach, cd;
    } const cases[] = {
        {0, 0.0, 0.2629},   {0, 1.0, 0.4805},  {0, 0.025, 0.25935}, {0, 1.4, 0.6625},   {0, 5.0, 0.4988},
        {0, 7.5, 0.4988},   {0, 1e9, 0.4988},  {4, 1.05, 0.4043},   {4, 0.0, 0.1198},   {8, 4.0, 0.9280},
        {8, 4.5, 0.9280},   {9, 4.01, 0.4969}, {9, 1.15, 0.5943},   {6, 2.95, 0.8140},  {7, 1.25, 0.6423},
        {1, 1.075, 0.4114}, {2, 1.4, 0.4406},  {3, 1.15, 0.4497},   {5, 1.075, 0.4493},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(coefficientRoutine(c.index)(c.mach), c.cd, 1e-12) << dragFunctionName(c.index) << " " << c.mach;
    }
}

TEST(DragFunction, SearchPicksTheSameSegmentAsAScan) {
    for (std::size_t i = 0; i < dragtables::kTableCount; ++i) {
        const auto& t = dragtables::kTables[i];
        const CoefficientRoutine routine = coefficientRoutine(static_cast<DragFunction>(i));
        for (double m = -0.2; m < 5.6; m += 0.0007) EXPECT_EQ(routine(m), scanLookup(t, m)) << i << " " << m;
        for (std::size_t k = 0; k < t.count; ++k) {
            const double m = t.points[k].mach;
            EXPECT_EQ(routine(m), t.points[k].cd);
            EXPECT_EQ(routine(std::nextafter(m, 10.0)), scanLookup(t, std::nextafter(m, 10.0)));
        }
    }
}

TEST(DragFunction, NegativeMachExtrapolatesTheFirstSegment) {
    const double slope = (0.2558 - 0.2629) / 0.05;
    EXPECT_NEAR(coefficientRoutine(kG1)(-0.05), 0.2629 - 0.05 * slope, 1e-12);
}

TEST(DragFunction, G1mPiecesAndBoundaries) {
    const auto g1m = coefficientRoutine(kG1M);
    const auto quad = [](double a, double b, double c, double m) { return (a * m + b) * m + c; };
    EXPECT_DOUBLE_EQ(g1m(0.0), 0.263732);
    EXPECT_NEAR(g1m(0.5), 0.2022, 5e-5);
    // The lower piece takes 2.0, 1.4, 1.1 and 0.85; the upper piece takes 0.55.
    EXPECT_DOUBLE_EQ(g1m(2.0), quad(-0.0570628, 0.0705311, 0.679681, 2.0));
    EXPECT_DOUBLE_EQ(g1m(1.4), quad(-1.17282, 3.16529, -1.47197, 1.4));
    EXPECT_DOUBLE_EQ(g1m(1.1), quad(0.180604, 0.942106, -0.647392, 1.1));
    EXPECT_DOUBLE_EQ(g1m(0.85), quad(1.20945, -1.42682, 0.622489, 0.85));
    EXPECT_DOUBLE_EQ(g1m(0.55), quad(1.20945, -1.42682, 0.622489, 0.55));
    EXPECT_DOUBLE_EQ(g1m(2.0000001), quad(0.0344343, -0.248367, 0.948259, 2.0000001));
    EXPECT_DOUBLE_EQ(g1m(0.5499999), quad(0.0852214, -0.165665, 0.263732, 0.5499999));
}

TEST(DragModel, SelectionByStoredIndex) {
    DragModel model;
    EXPECT_EQ(model.ballisticCoefficient, 0.65);
    EXPECT_EQ(model.coefficientAt, coefficientRoutine(kG1));

    setDragModel(model, 0.3, 10);
    EXPECT_EQ(model.coefficientAt, coefficientRoutine(kG1M));
    EXPECT_EQ(dragFunctionName(10), "G1M");

    DragModel fresh;
    setDragModel(fresh, 0.3, -1);  // no radio button checked reads back as -1
    EXPECT_EQ(fresh.coefficientAt, coefficientRoutine(kG1));
    EXPECT_EQ(fresh.dragFunction, -1);
    setDragModel(fresh, 0.3, 4);
    setDragModel(fresh, 0.3, 11);  // an unknown index keeps the routine it had
    EXPECT_EQ(fresh.coefficientAt, coefficientRoutine(4));
}

TEST(DragFunction, Names) {
    const char* names[] = {"G1", "G2", "G5", "G6", "G7", "G8", "GL", "Gi", "GS", "RA4", "G1M"};
    for (DragFunction i = 0; i < kDragFunctionCount; ++i) EXPECT_EQ(dragFunctionName(i), names[i]);
    EXPECT_EQ(dragFunctionName(11), "G1");
    EXPECT_EQ(dragFunctionName(-1), "G1");
    EXPECT_EQ(flownDragFunction(-1), kG1);
    EXPECT_EQ(flownDragFunction(11), kG1);
    EXPECT_EQ(flownDragFunction(10), kG1M);
}

}  // namespace
}  // namespace vorlan
