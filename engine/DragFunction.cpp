#include "engine/DragFunction.h"

#include <array>

#include "engine/DragTables.h"

namespace vorlan {

namespace {

constexpr std::array<std::string_view, kDragFunctionCount> kNames = {"G1", "G2", "G5", "G6",  "G7", "G8",
                                                                     "GL", "Gi", "GS", "RA4", "G1M"};

// Linear interpolation on the segment that ends at the first point whose Mach is at least
// `mach`, held constant past the table's end. A binary search finds the same segment as a
// scan from the bottom would, in a handful of comparisons.
inline double interpolate(const dragtables::DragPoint* p, std::size_t count, double mach) {
    const std::size_t n = count - 1;
    if (mach == p[0].mach) return p[0].cd;
    if (!(mach <= p[n].mach)) return p[n].cd;  // beyond the table (or NaN)
    std::size_t lo = 1, hi = n;                // answer lies in [lo, hi]
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (mach <= p[mid].mach)
            hi = mid;
        else
            lo = mid + 1;
    }
    const auto& a = p[lo - 1];
    const auto& b = p[lo];
    return a.cd + (b.cd - a.cd) * (mach - a.mach) / (b.mach - a.mach);
}

template <std::size_t I>
double tableRoutine(double mach) {
    return interpolate(dragtables::kTables[I].points, dragtables::kTables[I].count, mach);
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

bool isKnown(int storedIndex) { return storedIndex >= 0 && storedIndex < kDragFunctionCount; }

}  // namespace

DragModel::DragModel() : coefficientAt(kRoutines[kG1]) {}

double tableCoefficient(const dragtables::DragPoint* points, std::size_t count, double mach) {
    if (mach < points[0].mach) return points[0].cd;
    return interpolate(points, count, mach);
}

CoefficientRoutine coefficientRoutine(DragFunction index) { return kRoutines[index]; }

void selectDragFunction(DragModel& model, DragFunction index) { model.coefficientAt = kRoutines[index]; }

DragFunction flownDragFunction(int storedIndex) { return isKnown(storedIndex) ? storedIndex : kG1; }

void setDragModel(DragModel& model, double ballisticCoefficient, int storedIndex) {
    model.ballisticCoefficient = ballisticCoefficient;
    model.dragFunction = storedIndex;
    if (isKnown(storedIndex)) selectDragFunction(model, storedIndex);
}

std::string_view dragFunctionName(int storedIndex) { return kNames[flownDragFunction(storedIndex)]; }

}  // namespace vorlan
