#include "DragFunction.h"

#include <array>
#include <cstdint>

#include "DragTables.h"

namespace vorlan {

namespace {

constexpr std::array<std::string_view, kDragFunctionCount> kNames = {"G1", "G2", "G5", "G6",  "G7", "G8",
                                                                     "GL", "Gi", "GS", "RA4", "G1M"};

// Every Mach number of every table is a multiple of 1/40, so a table cut into buckets of
// that width has at most one point inside each bucket. A bucket remembers the first point at
// or above its lower edge; the lookup starts there and settles on the same segment as a scan
// from the bottom of the table would, in a step or two, with no data-dependent search.
constexpr int kBucketsPerMach = 40;
constexpr std::size_t kBucketCount = 5 * kBucketsPerMach + 1;

struct IndexedTable {
    const dragtables::DragPoint* points;
    std::size_t last;                                   // index of the last point
    std::array<std::uint8_t, kBucketCount> firstAbove;  // per bucket: first point at or above its edge
};

IndexedTable indexTable(const dragtables::DragTable& table) {
    IndexedTable t{table.points, table.count - 1, {}};
    std::size_t i = 1;
    for (std::size_t b = 0; b < kBucketCount; ++b) {
        const double edge = static_cast<double>(b) / kBucketsPerMach;
        while (i < t.last && table.points[i].mach < edge) ++i;
        t.firstAbove[b] = static_cast<std::uint8_t>(i);
    }
    return t;
}

const std::array<IndexedTable, dragtables::kTableCount> kIndexedTables = [] {
    std::array<IndexedTable, dragtables::kTableCount> tables{};
    for (std::size_t i = 0; i < tables.size(); ++i) tables[i] = indexTable(dragtables::kTables[i]);
    return tables;
}();

// Straight line through the points either side of `mach`: the first point at or above it and
// the one before; held at the last coefficient beyond the table, extrapolated below Mach 0.
double interpolate(const IndexedTable& t, double mach) {
    const dragtables::DragPoint* p = t.points;
    if (mach == p[0].mach) return p[0].cd;
    if (!(mach <= p[t.last].mach)) return p[t.last].cd;  // beyond the table, or NaN
    std::size_t i = 1;
    if (mach > 0.0) {
        i = t.firstAbove[static_cast<std::size_t>(mach * kBucketsPerMach)];
        while (i > 1 && mach <= p[i - 1].mach) --i;  // guards the bucket edge against rounding
    }
    while (mach > p[i].mach) ++i;
    const auto& a = p[i - 1];
    const auto& b = p[i];
    return a.cd + (b.cd - a.cd) * (mach - a.mach) / (b.mach - a.mach);
}

template <std::size_t I>
double tableRoutine(double mach) {
    return interpolate(kIndexedTables[I], mach);
}

// G1M: a piecewise quadratic that follows G1 closely and has no upper limit.
double g1mRoutine(double m) {
    double a, b, c;
    if (m > 2.0) {
        a = 0.0344343;
        b = -0.248367;
        c = 0.948259;
    } else if (m > 1.4) {
        a = -0.0570628;
        b = 0.0705311;
        c = 0.679681;
    } else if (m > 1.1) {
        a = -1.17282;
        b = 3.16529;
        c = -1.47197;
    } else if (m > 0.85) {
        a = 0.180604;
        b = 0.942106;
        c = -0.647392;
    } else if (m >= 0.55) {
        a = 1.20945;
        b = -1.42682;
        c = 0.622489;
    } else {
        a = 0.0852214;
        b = -0.165665;
        c = 0.263732;
    }
    return (a * m + b) * m + c;
}

constexpr std::array<CoefficientRoutine, kDragFunctionCount> kRoutines = {
    tableRoutine<0>, tableRoutine<1>, tableRoutine<2>, tableRoutine<3>, tableRoutine<4>, tableRoutine<5>,
    tableRoutine<6>, tableRoutine<7>, tableRoutine<8>, tableRoutine<9>, g1mRoutine};

}  // namespace

DragModel::DragModel() : coefficientAt(kRoutines[kG1]) {}

CoefficientRoutine coefficientRoutine(DragFunction index) { return kRoutines[index]; }

void selectDragFunction(DragModel& model, DragFunction index) { model.coefficientAt = kRoutines[index]; }

void setDragModel(DragModel& model, double ballisticCoefficient, int storedIndex) {
    model.ballisticCoefficient = ballisticCoefficient;
    model.dragFunction = static_cast<DragFunction>(storedIndex);
    if (model.dragFunction <= kG1M) selectDragFunction(model, model.dragFunction);
}

std::string_view dragFunctionName(DragFunction index) {
    return index < kDragFunctionCount ? kNames[index] : kNames[kG1];
}

}  // namespace vorlan
