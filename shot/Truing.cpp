#include "shot/Truing.h"

#include <algorithm>
#include <cmath>

#include "shot/AdvancedShotKeys.h"
#include "shot/CLocaleNumbers.h"
#include "shot/TruingSolver.h"

namespace vorlan {

using namespace truing;

namespace {

// The knots of a scale by Mach: up to `count` of `machs`, increasing, each at least
// kKnotSpacing below the next and the last that far below kDecidingMach, taken from the fastest
// down. Closer knots would split one stretch of drag between them, which no hold can decide.
std::vector<double> machKnots(std::vector<double> machs, std::size_t count) {
    std::sort(machs.begin(), machs.end(), std::greater<>());
    std::vector<double> knots;
    double below = kDecidingMach - kKnotSpacing;
    for (double mach : machs) {
        if (knots.size() == count) break;
        if (!(mach <= below)) continue;
        knots.insert(knots.begin(), mach);
        below = mach - kKnotSpacing;
    }
    return knots;
}

constexpr double kContradiction = 3.0;  // a root-mean-square residual beyond 3 uncertainties

std::string rangeText(double range) { return cFormat("%g yd", range); }

}  // namespace

TruingResult trueShot(const ShotParameters& shot, const std::vector<Observation>& observations, TruingFit fit) {
    TruingResult result;
    result.velocity = shot.velocity;
    if (std::string problem = advancedInputProblem(shot.advanced); !problem.empty()) {
        result.message = problem;
        return result;
    }
    if (observations.empty()) {
        result.message = "there are no observations to true the shot with";
        return result;
    }
    for (const Observation& o : observations)
        if (std::string problem = observationProblem(o); !problem.empty()) {
            result.message = problem;
            return result;
        }
    const std::vector<Reading> readings = readingsOf(observations, shot.scope.click);
    Predictor predictor(shot, readings);
    const std::vector<double> before = predictor.predict({shot.velocity, {}}, ScaleShape{});
    result.outcome = TruingResult::Outcome::Undecided;

    std::vector<double> ranges;
    bool velocityDecided = false;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const double mach = predictor.machAt(readings[i].range);
        if (std::isnan(before[i]) || std::isnan(mach)) {
            result.message =
                "the bullet does not reach " + rangeText(readings[i].range) + ", the range of an observation";
            return result;
        }
        velocityDecided = velocityDecided || readings[i].quantity == Quantity::Velocity || mach > kDecidingMach;
        if (std::find(ranges.begin(), ranges.end(), readings[i].range) == ranges.end()) {
            ranges.push_back(readings[i].range);
        }
    }
    if (!velocityDecided) {
        result.message = cFormat(
            "the observations cannot decide the velocity: the bullet is below Mach %.1f at every observed range "
            "and no observation measures a velocity",
            kDecidingMach);
        return result;
    }
    const std::size_t rangeCount = ranges.size();
    // The drag between two observed ranges shows in the ranges beyond: a scale by Mach takes its
    // factors at the Mach numbers half way between two ranges with two more observed beyond,
    // where the observations can tell a factor from the velocity and its neighbours.
    std::sort(ranges.begin(), ranges.end());
    std::vector<double> halfways;
    for (std::size_t i = 1; i + 2 < rangeCount; ++i)
        halfways.push_back(predictor.machAt((ranges[i - 1] + ranges[i]) / 2.0));
    const std::vector<double> knots = machKnots(halfways, kMaxMachKnots);
    if (fit == TruingFit::Auto)
        fit = rangeCount == 1 ? TruingFit::Velocity : rangeCount < 5 || knots.empty() ? TruingFit::Bc : TruingFit::Mach;
    result.fit = fit;
    if (fit != TruingFit::Velocity && rangeCount == 1) {
        result.message = "the observations cannot decide the drag: they are all at one range (" + rangeText(ranges[0]) +
                         "); the velocity alone can be fitted";
        return result;
    }
    ScaleShape shape;
    shape.keep = fit == TruingFit::Velocity;
    if (fit == TruingFit::Bc) shape.knots = {0.0};
    if (fit == TruingFit::Mach) {
        if (knots.empty()) {
            result.message = cFormat(
                "the observations cannot decide a drag scale by Mach: it needs the bullet below Mach %.2f between "
                "two observed ranges with two more observed beyond (one factor can be fitted)",
                kDecidingMach - kKnotSpacing);
            return result;
        }
        shape.knots = knots;
        shape.knots.push_back(kDecidingMach);
    }
    Values start{shot.velocity, {}};
    for (double knot : shape.knots)
        start.factors.push_back(dragScaleAt(shot.advanced.dragScale.data(), shot.advanced.dragScale.size(), knot));
    const Fit solved = fitValues(predictor, readings, shape, start);
    result.flights = predictor.flights;
    if (solved.singular) {
        result.message =
            "the observations cannot decide the fit: the velocity and the drag change the predictions alike "
            "(observe at ranges farther apart)";
        return result;
    }

    const std::vector<double> variances = inverseDiagonal(solved.normal);
    result.velocity = solved.values.velocity;
    result.velocityError = std::sqrt(variances[0]);
    if (!shape.keep) result.dragScale = scaleOf(shape, solved.values.factors);
    for (std::size_t k = 0; k < result.dragScale.size(); ++k)
        result.dragScaleErrors.push_back(k < shape.knots.size() ? std::sqrt(variances[k + 1]) : 0.0);
    const std::vector<double> rBefore = scaledResiduals(readings, before);
    const std::vector<double> rAfter = scaledResiduals(readings, solved.predicted);
    result.chiSquareBefore = sumOfSquares(rBefore);
    result.chiSquareAfter = sumOfSquares(rAfter);
    std::size_t worst = 0;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const Reading& r = readings[i];
        result.residuals.push_back({r.range, kQuantityNames[static_cast<int>(r.quantity)], r.observed, r.sigma,
                                    r.observed - before[i], r.observed - solved.predicted[i]});
        if (std::fabs(rAfter[i]) > std::fabs(rAfter[worst])) worst = i;
    }

    const double freedom = static_cast<double>(readings.size()) - static_cast<double>(1 + shape.knots.size());
    for (const DragScalePoint& point : result.dragScale)
        if (!(point.factor >= kLowestDragScale && point.factor <= kHighestDragScale)) {
            result.message = cFormat(
                "the fitted drag scale %.2f at Mach %.2f lies outside %g to %g: the observations do not fit this "
                "bullet",
                point.factor, point.mach, kLowestDragScale, kHighestDragScale);
            return result;
        }
    if (freedom > 0.0 && result.chiSquareAfter / freedom > kContradiction * kContradiction) {
        const TruingResidual& w = result.residuals[worst];
        result.message = cFormat(
            "the observations contradict each other: after the fit the %s at %g yd is off by %.3g, %.1f times its "
            "uncertainty",
            w.quantity, w.range, w.after, std::fabs(rAfter[worst]));
        return result;
    }
    result.outcome = TruingResult::Outcome::Fitted;
    return result;
}

void applyTruing(ShotParameters& shot, const TruingResult& result) {
    // To the tenth of a foot per second that the main window and the shot file hold.
    shot.velocity = std::round(result.velocity * 10.0) / 10.0;
    if (!result.dragScale.empty())
        shot.advanced.dragScale = result.dragScale;
    else if (shot.advanced.dragScale.empty())
        shot.advanced.dragScale = {{0.0, 1.0}};
}

}  // namespace vorlan
