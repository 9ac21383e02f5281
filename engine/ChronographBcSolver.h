#pragma once
// A ballistic coefficient from two chronograph readings: the velocity lost over a measured
// distance is compared with the loss that a trial coefficient gives over the same distance
// (200 midpoint steps through the drag function), and the coefficient, starting at 4.0, is
// scaled by the ratio of the two losses until the computed loss comes within 0.02 % of the
// measured one or passes it. The coefficient therefore only ever moves down from 4.0.

#include "engine/Atmosphere.h"
#include "engine/DragFunction.h"

namespace vorlan {

// Why a coefficient is or is not usable. Only a coefficient within [0.0001, 1.0] is.
enum class BcOutcome {
    Usable,
    EqualVelocities,  // no measured loss: the first pass ends the search at 4.0
    FarAboveNear,     // the far reading is the faster one: the coefficient turns negative
    LossTooSmall,     // less loss than a coefficient of 4.0 gives: ends above 1.0
    NotSettled,       // the iteration ran out of passes (only for readings near a standstill)
    Unusable,         // anything else outside the range, or no number at all
};

struct ChronographBc {
    double ballisticCoefficient = 0.0;  // lb/in^2, the coefficient of the last pass
    int passes = 0;                     // passes of 200 steps that ran
    BcOutcome outcome = BcOutcome::Unusable;
    bool usable() const { return outcome == BcOutcome::Usable; }
};

class ChronographBcSolver {
public:
    double nearVelocity = 800.0;  // ft/s at the first chronograph
    double farVelocity = 700.0;   // ft/s at the second chronograph
    double distance = 100.0;      // ft between the two chronographs
    DragModel dragModel;          // the function the coefficient refers to; its coefficient is unused
    Atmosphere atmosphere;        // read as it is: density and speed of sound must be up to date

    ChronographBc solve() const;

    static constexpr double kStartCoefficient = 4.0;
    static constexpr int kSteps = 200;               // steps over the measured distance
    static constexpr double kTolerance = 0.0002;     // of the measured loss
    static constexpr double kLowestUsable = 0.0001;  // lb/in^2
    static constexpr double kHighestUsable = 1.0;    // lb/in^2
    // Ordinary readings settle in a few passes and a far velocity of 0 in about 650; the
    // limit only stops readings that make no physical sense (a pass costs a few microseconds).
    static constexpr int kPassLimit = 100000;

private:
    // The velocity lost over the distance with coefficient `bc`, ft/s.
    double computedLoss(double bc) const;
    BcOutcome judge(double bc, bool settled) const;
};

}  // namespace vorlan
