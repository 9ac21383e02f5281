#include "engine/ChronographBcSolver.h"

#include "engine/Ballistics.h"

namespace vorlan {

ChronographBc ChronographBcSolver::solve() const {
    const double measuredLoss = nearVelocity - farVelocity;
    ChronographBc result;
    double bc = kStartCoefficient;
    bool settled = false;
    for (result.passes = 1;; ++result.passes) {
        const double ratio = computedLoss(bc) / measuredLoss;
        // Written so that a NaN ratio (no loss measured, none computed) ends the search too.
        if (!(1.0 - ratio >= kTolerance)) {
            settled = true;
            break;
        }
        if (result.passes == kPassLimit) break;
        bc *= ratio;
    }
    result.ballisticCoefficient = bc;
    result.outcome = judge(bc, settled);
    return result;
}

double ChronographBcSolver::computedLoss(double bc) const {
    const CoefficientRoutine cd = dragModel.coefficientAt;
    const double c = atmosphere.speedOfSound;
    const double h = distance / kSteps;
    const double k = h * (atmosphere.density / kStandardDensity) / bc;
    double v = nearVelocity;
    double loss = 0.0;
    for (int i = 0; i < kSteps; ++i) {
        const double mach = v / c;
        const double vm = v - (k / 2.0) * kDragConstant * cd(mach) * v;
        const double dv = k * kDragConstant * cd(vm / c) * vm;
        v -= dv;
        loss += dv;
    }
    return loss;
}

BcOutcome ChronographBcSolver::judge(double bc, bool settled) const {
    if (settled && bc >= kLowestUsable && bc <= kHighestUsable) return BcOutcome::Usable;
    if (farVelocity == nearVelocity) return BcOutcome::EqualVelocities;
    if (farVelocity > nearVelocity) return BcOutcome::FarAboveNear;
    if (bc > kHighestUsable) return BcOutcome::LossTooSmall;
    if (!settled) return BcOutcome::NotSettled;
    return BcOutcome::Unusable;
}

}  // namespace vorlan
