#include "shot/Truing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/Catalogue.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ScopeProfile.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"
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
// No bullet leaves faster than the velocity field's highest value.
constexpr double kFastestVelocity = 5000.0;  // ft/s
constexpr int kG7 = 4;                       // the drag function's stored index

std::string rowText(std::size_t row) { return std::to_string(row + 1); }

// The first observation that cannot be fitted, named by its row; empty when all can.
std::string observationsProblem(const std::vector<Observation>& observations, ClickValue click) {
    if (observations.empty()) return translated("there are no observations to true the shot with");
    for (std::size_t i = 0; i < observations.size(); ++i) {
        const Observation& o = observations[i];
        std::string problem = observationProblem(o);
        if (problem.empty()) problem = clickHoldProblem(o, click);
        if (!problem.empty()) return translated("row %1: %2", {rowText(i), problem});
        const double fastest = o.range * 3.0 / kFastestVelocity;
        if (o.time < fastest)
            return translated("row %1: a time_s of %2 s at %3 yd is shorter than any flight there (%4 s at %5 ft/s)",
                              {rowText(i), cShowDouble(o.time), cShowDouble(o.range), cFormat("%.3f", fastest),
                               cShowDouble(kFastestVelocity)});
    }
    return {};
}

// The ranges observed, increasing; empty (and `result` told) when the fit cannot start: a range
// the bullet does not reach, or no reading that decides the velocity.
std::vector<double> observedRanges(Predictor& predictor, const std::vector<Reading>& readings,
                                   const std::vector<double>& before, TruingResult& result) {
    std::vector<double> ranges;
    bool velocityDecided = false;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const double mach = predictor.machAt(readings[i].range);
        if (std::isnan(before[i]) || std::isnan(mach)) {
            result.message = translated("the bullet does not reach %1 yd, the range of an observation",
                                        {cShowDouble(readings[i].range)});
            return {};
        }
        velocityDecided = velocityDecided || readings[i].quantity == truing::Quantity::Velocity || mach > kDecidingMach;
        if (std::find(ranges.begin(), ranges.end(), readings[i].range) == ranges.end())
            ranges.push_back(readings[i].range);
    }
    if (!velocityDecided) {
        result.message = translated(
            "the observations cannot decide the velocity: the bullet is below Mach %1 at every observed range and no "
            "observation measures a velocity",
            {cFormat("%.1f", kDecidingMach)});
        return {};
    }
    std::sort(ranges.begin(), ranges.end());
    return ranges;
}

// The drag scale's shape for `fit`, or an empty message-bearing shape when it cannot be decided.
std::optional<ScaleShape> shapeFor(TruingFit fit, const std::vector<double>& ranges, const std::vector<double>& knots,
                                   TruingResult& result) {
    if (fit != TruingFit::Velocity && ranges.size() == 1) {
        result.message = translated(
            "the observations cannot decide the drag: they are all at one range (%1 yd); the velocity alone can be "
            "fitted",
            {cShowDouble(ranges[0])});
        return std::nullopt;
    }
    ScaleShape shape;
    shape.keep = fit == TruingFit::Velocity;
    if (fit == TruingFit::Bc) shape.knots = {0.0};
    if (fit == TruingFit::Mach) {
        if (knots.empty()) {
            result.message = translated(
                "the observations cannot decide a drag scale by Mach: it needs the bullet below Mach %1 between two "
                "observed ranges with two more observed beyond (one factor can be fitted)",
                {cFormat("%.2f", kDecidingMach - kKnotSpacing)});
            return std::nullopt;
        }
        shape.knots = knots;
        shape.knots.push_back(kDecidingMach);
    }
    return shape;
}

// The fitted values, their errors and the residuals before and after into `result`; the
// index of the reading the fit leaves farthest out.
std::size_t fillResult(const std::vector<Reading>& readings, const std::vector<double>& before, const Fit& solved,
                       const ScaleShape& shape, TruingResult& result) {
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
        result.residuals.push_back({r.row, r.range, kQuantityNames[static_cast<int>(r.quantity)], r.observed, r.sigma,
                                    r.observed - before[i], r.observed - solved.predicted[i]});
        if (std::fabs(rAfter[i]) > std::fabs(rAfter[worst])) worst = i;
    }
    return worst;
}

// A residual as words: "the up_moa at 300 yd (row 2) is off by 1.2, 12.0 times its uncertainty".
std::string residualText(const char* quantity, double range, std::size_t row, double off, double sigma) {
    return translated(
        "the %1 at %2 yd (row %3) is off by %4, %5 times its uncertainty",
        {quantity, cShowDouble(range), rowText(row), cFormat("%.3g", off), cFormat("%.1f", std::fabs(off / sigma))});
}
std::string worstText(const TruingResidual& w) { return residualText(w.quantity, w.range, w.row, w.after, w.sigma); }

// The reading whose residual alone spoils a fit (a typed 500 for 50.0): farther out than
// kContradiction and more than half the sum of squares; as words after "; ", or empty.
std::string spoilerText(const std::vector<Reading>& readings, const std::vector<double>& predicted) {
    const std::vector<double> r = scaledResiduals(readings, predicted);
    const double sum = sumOfSquares(r);
    for (std::size_t i = 0; i < r.size(); ++i)
        if (std::fabs(r[i]) > kContradiction && r[i] * r[i] > sum / 2.0)
            return "; " + residualText(kQuantityNames[static_cast<int>(readings[i].quantity)], readings[i].range,
                                       readings[i].row, r[i] * readings[i].sigma, readings[i].sigma);
    return {};
}

// Why a fit made cannot be used; empty when it can.
std::string fitProblem(const ShotParameters& shot, const TruingResult& result, std::size_t worst, double freedom) {
    double dragError = 0.0;
    for (double e : result.dragScaleErrors) dragError = std::max(dragError, e);
    if (!(result.velocityError <= kMaxVelocityError) || !(dragError <= kMaxDragScaleError))
        return translated(
            "the observations cannot decide the fit: its standard errors, %1 ft/s on the velocity and %2 on the drag "
            "scale, pass %3 ft/s or %4 (observe at ranges farther apart, and farther out)",
            {cFormat("%.1f", result.velocityError), cFormat("%.2f", dragError), cShowDouble(kMaxVelocityError),
             cShowDouble(kMaxDragScaleError)});
    const TruingResidual& w = result.residuals[worst];
    const bool wild = std::fabs(w.after / w.sigma) > kContradiction;
    for (const DragScalePoint& point : result.dragScale)
        if (!(point.factor >= kLowestDragScale && point.factor <= kHighestDragScale))
            return translated(
                       "the fitted drag scale %1 at Mach %2 lies outside %3 to %4: the observations do not fit "
                       "this bullet",
                       {cFormat("%.2f", point.factor), cFormat("%.2f", point.mach), cShowDouble(kLowestDragScale),
                        cShowDouble(kHighestDragScale)}) +
                   (wild ? "; " + worstText(w) : std::string());
    if (freedom > 0.0 && result.chiSquareAfter / freedom > kContradiction * kContradiction)
        return translated("the observations contradict each other: after the fit %1", {worstText(w)});
    ShotParameters trued = shot;
    applyTruing(trued, result);
    trued.observations.clear();  // only the fitted values are judged here
    if (std::string problem = truedShotProblem(trued); !problem.empty())
        return translated("the fit cannot be written into the shot: %1", {problem});
    return {};
}

// The fit with the shot's own drag function.
TruingResult fitShot(const ShotParameters& shot, const std::vector<Observation>& observations, TruingFit fit) {
    TruingResult result;
    result.velocity = shot.velocity;
    result.dragFunction = shot.dragFunction;
    result.ballisticCoefficient = shot.ballisticCoefficient;
    const std::vector<Reading> readings = readingsOf(observations, shot.scope.click);
    Predictor predictor(shot, readings);
    const std::vector<double> before = predictor.predict({shot.velocity, {}}, ScaleShape{});
    result.outcome = TruingResult::Outcome::Undecided;
    const std::vector<double> ranges = observedRanges(predictor, readings, before, result);
    if (ranges.empty()) return result;
    // The drag between two observed ranges shows in the ranges beyond: a scale by Mach takes its
    // factors at the Mach numbers half way between two ranges with two more observed beyond,
    // where the observations can tell a factor from the velocity and its neighbours.
    std::vector<double> halfways;
    for (std::size_t i = 1; i + 2 < ranges.size(); ++i)
        halfways.push_back(predictor.machAt((ranges[i - 1] + ranges[i]) / 2.0));
    const std::vector<double> knots = machKnots(halfways, kMaxMachKnots);
    if (fit == TruingFit::Auto)
        fit = ranges.size() == 1                   ? TruingFit::Velocity
              : ranges.size() < 5 || knots.empty() ? TruingFit::Bc
                                                   : TruingFit::Mach;
    result.fit = fit;
    const std::optional<ScaleShape> shape = shapeFor(fit, ranges, knots, result);
    if (!shape) return result;
    Values start{shot.velocity, {}};
    for (double knot : shape->knots)
        start.factors.push_back(dragScaleAt(shot.advanced.dragScale.data(), shot.advanced.dragScale.size(), knot));
    const Fit solved = fitValues(predictor, readings, *shape, start);
    result.flights = predictor.flights;
    if (solved.singular) {
        result.message = translated(
                             "the observations cannot decide the fit: the velocity and the drag change the "
                             "predictions alike (observe at ranges farther apart)") +
                         spoilerText(readings, before);
        return result;
    }
    const std::size_t worst = fillResult(readings, before, solved, *shape, result);
    const double freedom = static_cast<double>(readings.size()) - static_cast<double>(1 + shape->knots.size());
    result.message = fitProblem(shot, result, worst, freedom);
    if (!result.message.empty()) return result;
    if (freedom <= 0.0)
        result.note = translated("as many readings as fitted values: nothing is left to check them against each other");
    result.outcome = TruingResult::Outcome::Fitted;
    return result;
}

// The shot with the other of G1 and G7, its coefficient scaled so that the two drag alike on
// average from the muzzle to the farthest observation; none for another drag model.
std::optional<ShotParameters> otherDragFunction(const ShotParameters& shot,
                                                const std::vector<Observation>& observations) {
    const bool g1 = shot.dragFunction == kG1, g7 = shot.dragFunction == kG7;
    if (!(g1 || g7) || shot.advanced.customDragOn() || shot.advanced.bcBandsOn()) return std::nullopt;
    std::vector<Reading> farthest{{0, 0.0, truing::Quantity::Velocity, 0.0, 1.0}};
    for (const Observation& o : observations) farthest[0].range = std::max(farthest[0].range, o.range);
    Predictor predictor(shot, farthest);
    predictor.predict({shot.velocity, {}}, ScaleShape{});
    const double fast = predictor.machAt(0.0), slow = predictor.machAt(farthest[0].range);
    if (std::isnan(fast) || std::isnan(slow)) return std::nullopt;
    ShotParameters other = shot;
    other.dragFunction = g1 ? kG7 : kG1;
    const CoefficientRoutine own = coefficientRoutine(shot.dragFunction);
    const CoefficientRoutine theirs = coefficientRoutine(other.dragFunction);
    constexpr int kSamples = 16;
    double ratio = 0.0;
    for (int i = 0; i <= kSamples; ++i) {
        const double mach = fast + (slow - fast) * i / kSamples;
        ratio += theirs(mach) / own(mach) / (kSamples + 1);
    }
    // To the four decimals the main window and the shot file hold, so that the fit flies the
    // coefficient Apply writes.
    other.ballisticCoefficient = std::round(shot.ballisticCoefficient * ratio * 1e4) / 1e4;
    other.advanced.dragScale.clear();
    return other;
}

}  // namespace

TruingResult trueShot(const ShotParameters& shot, const std::vector<Observation>& observations, TruingFit fit) {
    TruingResult result;
    result.velocity = shot.velocity;
    result.message = advancedInputProblem(shot.advanced);
    if (result.message.empty()) result.message = observationsProblem(observations, shot.scope.click);
    if (!result.message.empty()) return result;
    TruingResult own = fitShot(shot, observations, fit);
    if (fit != TruingFit::Auto || own.fit == TruingFit::Velocity || own.residuals.empty()) return own;
    const std::optional<ShotParameters> other = otherDragFunction(shot, observations);
    if (!other) return own;
    TruingResult theirs = fitShot(*other, observations, own.fit);
    theirs.flights += own.flights;
    const bool ownFitted = own.outcome == TruingResult::Outcome::Fitted;
    const bool theirsFitted = theirs.outcome == TruingResult::Outcome::Fitted;
    if (theirsFitted && (!ownFitted || theirs.chiSquareAfter < own.chiSquareAfter)) {
        // Before the fit is the shot as entered, with its own drag function.
        theirs.chiSquareBefore = own.chiSquareBefore;
        for (std::size_t i = 0; i < theirs.residuals.size(); ++i) theirs.residuals[i].before = own.residuals[i].before;
        theirs.dragFunctionChosen = true;
        return theirs;
    }
    own.flights = theirs.flights;
    return own;
}

std::string clickHoldProblem(const Observation& observation, ClickValue click) {
    const double moa = observation.upClicks * radiansToTrueMoa(clickRadians(click));
    if (!(std::fabs(moa) > kHighestHoldMoa)) return {};  // within, or no hold in clicks
    return translated("up_clicks at %1 yd is %2 MOA in clicks of %3; a hold must be from %4 to %5 MOA",
                      {cShowDouble(observation.range), cFormat("%.0f", moa), clickValueLabel(click),
                       cShowDouble(-kHighestHoldMoa), cShowDouble(kHighestHoldMoa)});
}

void applyTruing(ShotParameters& shot, const TruingResult& result) {
    if (shot.velocityBeforeTruing == 0.0) shot.velocityBeforeTruing = shot.velocity;
    // To the tenth of a foot per second that the main window and the shot file hold.
    shot.velocity = std::round(result.velocity * 10.0) / 10.0;
    if (result.dragFunctionChosen) {
        shot.dragFunction = result.dragFunction;
        shot.ballisticCoefficient = result.ballisticCoefficient;
    }
    if (!result.dragScale.empty())
        shot.advanced.dragScale = result.dragScale;
    else if (shot.advanced.dragScale.empty())
        shot.advanced.dragScale = {{0.0, 1.0}};
}

std::string truedShotProblem(const ShotParameters& shot) {
    if (std::string problem = shotProblem(shot); !problem.empty()) return problem;
    const std::size_t line = std::string_view("Observations:").size() + observationsKeyText(shot.observations).size();
    if (line > kMaxLineBytes)
        return translated(
            "%1 observations make a shot-file line of %2 bytes; a line holds at most %3",
            {std::to_string(shot.observations.size()), std::to_string(line), std::to_string(kMaxLineBytes)});
    return {};
}

}  // namespace vorlan
