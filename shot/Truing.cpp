#include "shot/Truing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/Holds.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"

namespace vorlan {

namespace {

enum class Quantity { UpMoa, UpMil, UpClicks, Drop, Velocity, Time };

struct Reading {
    double range;
    Quantity quantity;
    double observed;
    double sigma;
};

constexpr const char* kQuantityNames[] = {"up_moa", "up_mil", "up_clicks", "drop_in", "velocity_fps", "time_s"};

}  // namespace

std::vector<TruingReading> truingReadings(const std::vector<Observation>& observations, ClickValue click) {
    const double clickMoa = radiansToTrueMoa(clickRadians(click));
    std::vector<TruingReading> readings;
    for (const Observation& o : observations) {
        const bool ownMoa = !std::isnan(o.sigmaMoa);
        const double holdMoa = ownMoa ? o.sigmaMoa : kDefaultSigmaMoa;
        const double holdRadians = holdMoa / kTrueMoaPerRadian;
        const auto add = [&](double value, Quantity q, double sigma) {
            if (!std::isnan(value)) readings.push_back({o.range, kQuantityNames[static_cast<int>(q)], value, sigma});
        };
        add(o.upMoa, Quantity::UpMoa, holdMoa);
        add(o.upMil, Quantity::UpMil, radiansToMils(holdRadians));
        add(o.upClicks, Quantity::UpClicks, (ownMoa ? o.sigmaMoa : clickMoa / 2.0) / clickMoa);
        add(o.dropInches, Quantity::Drop, std::tan(holdRadians) * o.range * 36.0);
        add(o.velocity, Quantity::Velocity, std::isnan(o.sigmaFps) ? kDefaultSigmaFps : o.sigmaFps);
        add(o.time, Quantity::Time, kDefaultSigmaTime);
    }
    return readings;
}

namespace {

// The readings with their quantities as the predictions take them.
std::vector<Reading> readingsOf(const std::vector<Observation>& observations, ClickValue click) {
    std::vector<Reading> readings;
    for (const TruingReading& r : truingReadings(observations, click)) {
        const auto* name = std::find(std::begin(kQuantityNames), std::end(kQuantityNames), r.quantity);
        readings.push_back({r.range, static_cast<Quantity>(name - std::begin(kQuantityNames)), r.observed, r.sigma});
    }
    return readings;
}

// The drag scale a fit flies: the shot's own, or factors at `knots` (Mach increasing).
struct ScaleShape {
    bool keep = true;
    std::vector<double> knots;
};

// The values a fit varies: the velocity and the factors at the knots' Mach numbers.
struct Values {
    double velocity;
    std::vector<double> factors;
};

std::vector<DragScalePoint> scaleOf(const ScaleShape& shape, const std::vector<double>& factors) {
    std::vector<DragScalePoint> scale;
    for (std::size_t i = 0; i < shape.knots.size(); ++i) scale.push_back({shape.knots[i], factors[i]});
    return scale;
}

// Flies the shot with other values and reads the predictions off the flight.
class Predictor {
public:
    Predictor(const ShotParameters& shot, const std::vector<Reading>& readings) : shot_(shot), readings_(readings) {
        double farthest = 0.0;
        for (const Reading& r : readings) farthest = std::max(farthest, r.range);
        lastRange_ = static_cast<std::int32_t>(std::ceil(std::max(farthest, shot.sightInRange))) + 1;
    }

    std::vector<double> predict(const Values& values, const ScaleShape& shape) {
        ShotParameters shot = shot_;
        shot.velocity = values.velocity;
        if (!shape.keep) shot.advanced.dragScale = scaleOf(shape, values.factors);
        fly(shot);
        std::vector<double> predicted;
        for (const Reading& r : readings_) predicted.push_back(predictionAt(r));
        return predicted;
    }

    // Mach of the bullet at `range` in the last flight.
    double machAt(double range) const { return rowAt(range, &TrajectoryPoint::velocity) / speedOfSound_; }

    int flights = 0;

private:
    void fly(const ShotParameters& shot) {
        setUpTrajectory(trajectory_, shot, kTableCantDivisor);
        trajectory_.lastRange = lastRange_;
        trajectory_.computeTrajectory();
        speedOfSound_ = trajectory_.atmosphere.speedOfSound;
        ++flights;
        // The zeroing stops within 0.02 in of the line at the sight-in range; the rest of that
        // miss is taken out as an angle, so that a small change of a value moves every
        // prediction smoothly. With a zero in other conditions the shot flies its own angle.
        zeroSlope_ = 0.0;
        if (shot.muzzleAngleCorrection && !shot.advanced.zeroConditions &&
            trajectory_.zero == TrajectorySolver::Zero::Settled && shot.sightInRange > 0.0)
            zeroSlope_ = rowAt(shot.sightInRange, &TrajectoryPoint::drop) / shot.sightInRange;
    }

    double rowAt(double range, double TrajectoryPoint::*field) const {
        const auto& rows = trajectory_.rows;
        const double below = std::floor(range);
        const auto i = static_cast<std::size_t>(below);
        if (!(below >= 0.0) || i + 1 >= rows.size()) return std::nan("");
        const double share = range - below;
        return rows[i].*field + (rows[i + 1].*field - rows[i].*field) * share;
    }

    double predictionAt(const Reading& r) const {
        const double dropFeet = rowAt(r.range, &TrajectoryPoint::drop) - zeroSlope_ * r.range;
        switch (r.quantity) {
            case Quantity::Velocity:
                return rowAt(r.range, &TrajectoryPoint::velocity);
            case Quantity::Time:
                return rowAt(r.range, &TrajectoryPoint::time);
            case Quantity::Drop:
                return dropFeet * 12.0;
            default:
                break;
        }
        const std::optional<Hold> hold = holdFor(elevationCorrectionInches(dropFeet), r.range, shot_.scope.click);
        if (!hold) return std::nan("");
        return r.quantity == Quantity::UpMoa ? hold->moa : r.quantity == Quantity::UpMil ? hold->mil : hold->clicks;
    }

    ShotParameters shot_;
    const std::vector<Reading>& readings_;
    std::int32_t lastRange_;
    TrajectorySolver trajectory_;
    double speedOfSound_ = 1.0;
    double zeroSlope_ = 0.0;
};

// Residuals in uncertainties, (observed - predicted) / sigma.
std::vector<double> scaledResiduals(const std::vector<Reading>& readings, const std::vector<double>& predicted) {
    std::vector<double> r(readings.size());
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = (readings[i].observed - predicted[i]) / readings[i].sigma;
    return r;
}

double sumOfSquares(const std::vector<double>& r) {
    double sum = 0.0;
    for (double x : r) sum += x * x;
    return std::isnan(sum) ? HUGE_VAL : sum;
}

using Matrix = std::vector<std::vector<double>>;

// Solves A x = b for a symmetric positive definite A by Cholesky; false when A is singular or
// too near it to trust.
bool choleskySolve(Matrix a, std::vector<double>& x) {
    const std::size_t n = a.size();
    double largest = 0.0;
    for (std::size_t i = 0; i < n; ++i) largest = std::max(largest, a[i][i]);
    for (std::size_t j = 0; j < n; ++j) {
        double d = a[j][j];
        for (std::size_t k = 0; k < j; ++k) d -= a[j][k] * a[j][k];
        if (!(d > 1e-12 * largest)) return false;
        a[j][j] = std::sqrt(d);
        for (std::size_t i = j + 1; i < n; ++i) {
            double s = a[i][j];
            for (std::size_t k = 0; k < j; ++k) s -= a[i][k] * a[j][k];
            a[i][j] = s / a[j][j];
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k < i; ++k) x[i] -= a[i][k] * x[k];
        x[i] /= a[i][i];
    }
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t k = i + 1; k < n; ++k) x[i] -= a[k][i] * x[k];
        x[i] /= a[i][i];
    }
    return true;
}

std::vector<double> asVector(const Values& v) {
    std::vector<double> p{v.velocity};
    p.insert(p.end(), v.factors.begin(), v.factors.end());
    return p;
}

Values asValues(const std::vector<double>& p) { return {p[0], std::vector<double>(p.begin() + 1, p.end())}; }

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

constexpr double kVelocityNudge = 0.5;  // ft/s
constexpr double kFactorNudge = 0.001;
constexpr int kMaxIterations = 40;
constexpr double kContradiction = 3.0;  // a root-mean-square residual beyond 3 uncertainties

struct Fit {
    Values values;
    Matrix normal;  // J^T J at the solution, in uncertainties
    std::vector<double> predicted;
    bool singular = false;
};

// Levenberg-Marquardt from `start`.
Fit fitValues(Predictor& predictor, const std::vector<Reading>& readings, const ScaleShape& shape, Values start) {
    std::vector<double> p = asVector(start);
    const std::size_t n = p.size();
    std::vector<double> predicted = predictor.predict(start, shape);
    std::vector<double> r = scaledResiduals(readings, predicted);
    double chi = sumOfSquares(r);
    double lambda = 1e-3;
    Fit fit;
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        Matrix jacobian(readings.size(), std::vector<double>(n));
        for (std::size_t k = 0; k < n; ++k) {
            std::vector<double> nudged = p;
            const double h = k == 0 ? kVelocityNudge : kFactorNudge;
            nudged[k] += h;
            const std::vector<double> moved = predictor.predict(asValues(nudged), shape);
            for (std::size_t i = 0; i < readings.size(); ++i)
                jacobian[i][k] = (moved[i] - predicted[i]) / h / readings[i].sigma;
        }
        fit.normal.assign(n, std::vector<double>(n, 0.0));
        std::vector<double> gradient(n, 0.0);
        for (std::size_t i = 0; i < readings.size(); ++i)
            for (std::size_t a = 0; a < n; ++a) {
                gradient[a] += jacobian[i][a] * r[i];
                for (std::size_t b = 0; b < n; ++b) fit.normal[a][b] += jacobian[i][a] * jacobian[i][b];
            }
        bool improved = false;
        double change = 0.0;
        while (lambda < 1e10 && !improved) {
            Matrix damped = fit.normal;
            for (std::size_t a = 0; a < n; ++a) damped[a][a] *= 1.0 + lambda;
            std::vector<double> step = gradient;
            if (!choleskySolve(damped, step)) {
                fit.singular = true;
                return fit;
            }
            std::vector<double> trial = p;
            for (std::size_t a = 0; a < n; ++a) trial[a] += step[a];
            trial[0] = std::clamp(trial[0], 100.0, 6000.0);
            for (std::size_t a = 1; a < n; ++a) trial[a] = std::clamp(trial[a], 0.2, 5.0);
            const std::vector<double> trialPredicted = predictor.predict(asValues(trial), shape);
            const std::vector<double> trialR = scaledResiduals(readings, trialPredicted);
            const double trialChi = sumOfSquares(trialR);
            if (trialChi <= chi) {
                change = chi - trialChi;
                for (std::size_t a = 0; a < n; ++a)
                    change = std::max(change, std::fabs(trial[a] - p[a]) / (a == 0 ? kVelocityNudge : kFactorNudge));
                p = trial;
                predicted = trialPredicted;
                r = trialR;
                chi = trialChi;
                lambda = std::max(lambda / 10.0, 1e-7);
                improved = true;
            } else {
                lambda *= 10.0;
            }
        }
        if (!improved || change < 1e-3) break;
    }
    fit.values = asValues(p);
    fit.predicted = predicted;
    std::vector<double> unused(n, 0.0);
    fit.singular = !choleskySolve(fit.normal, unused);
    return fit;
}

// The diagonal of the inverse of a positive definite matrix.
std::vector<double> inverseDiagonal(const Matrix& a) {
    std::vector<double> diagonal(a.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        std::vector<double> column(a.size(), 0.0);
        column[k] = 1.0;
        choleskySolve(a, column);
        diagonal[k] = column[k];
    }
    return diagonal;
}

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
