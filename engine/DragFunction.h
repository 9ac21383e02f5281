#pragma once
// Drag functions: the drag coefficient of a standard projectile shape against Mach number.
// A ballistic coefficient always refers to one of them, chosen by its stored index.

#include <cstddef>
#include <string_view>

#include "engine/DragTables.h"

namespace vorlan {

// Stored index of a drag function: 0 G1, 1 G2, 2 G5, 3 G6, 4 G7, 5 G8, 6 GL, 7 Gi, 8 GS,
// 9 RA4 (tables) and 10 G1M (a piecewise quadratic). Files may hold any other number, and
// -1 stands for no radio button checked: such an index is flown with G1 (flownDragFunction).
using DragFunction = int;

inline constexpr DragFunction kG1 = 0;
inline constexpr DragFunction kG1M = 10;
inline constexpr DragFunction kDragFunctionCount = 11;

// Returns the drag coefficient at a Mach number. Pure: no state, no allocation.
using CoefficientRoutine = double (*)(double mach);

// A ballistic coefficient with the drag function it refers to.
struct DragModel {
    double ballisticCoefficient = 0.65;  // lb/in^2
    DragFunction dragFunction = kG1;     // as stored by the caller, known or not
    CoefficientRoutine coefficientAt;    // routine of the selected function

    DragModel();
};

// Sets the routine of `index`; the caller guarantees 0 <= index <= 10.
void selectDragFunction(DragModel& model, DragFunction index);

// The function flown for any stored index: the index itself when known (0..10), else G1.
DragFunction flownDragFunction(int storedIndex);

// Stores a coefficient and an index the way every caller does: the routine changes only
// for a known index, so an unknown one keeps the model's previous routine (G1 when new).
void setDragModel(DragModel& model, double ballisticCoefficient, int storedIndex);

// Short name for report headers and labels, of the function flown for any stored index.
std::string_view dragFunctionName(int storedIndex);

// Drag coefficient at `mach` from any table of at least two points with increasing Mach
// numbers, by the rule of the standard tables, and held at the first point's value below it.
double tableCoefficient(const dragtables::DragPoint* points, std::size_t count, double mach);

// The routine of a known index 0..10.
CoefficientRoutine coefficientRoutine(DragFunction index);

}  // namespace vorlan
