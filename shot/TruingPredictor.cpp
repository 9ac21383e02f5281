#include "shot/TruingPredictor.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/Holds.h"
#include "shot/ShotSetup.h"

namespace vorlan {

std::vector<TruingReading> truingReadings(const std::vector<Observation>& observations, ClickValue click) {
    using truing::Quantity;
    const double clickMoa = radiansToTrueMoa(clickRadians(click));
    std::vector<TruingReading> readings;
    for (std::size_t row = 0; row < observations.size(); ++row) {
        const Observation& o = observations[row];
        const bool ownMoa = !std::isnan(o.sigmaMoa);
        const double holdMoa = ownMoa ? o.sigmaMoa : kDefaultSigmaMoa;
        const double holdRadians = holdMoa / kTrueMoaPerRadian;
        const auto add = [&](double value, Quantity q, double sigma) {
            if (!std::isnan(value))
                readings.push_back({row, o.range, truing::kQuantityNames[static_cast<int>(q)], value, sigma});
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

namespace truing {

// The readings with their quantities as the predictions take them.
std::vector<Reading> readingsOf(const std::vector<Observation>& observations, ClickValue click) {
    std::vector<Reading> readings;
    for (const TruingReading& r : truingReadings(observations, click)) {
        const auto* name = std::find(std::begin(kQuantityNames), std::end(kQuantityNames), r.quantity);
        readings.push_back(
            {r.row, r.range, static_cast<Quantity>(name - std::begin(kQuantityNames)), r.observed, r.sigma});
    }
    return readings;
}

std::vector<DragScalePoint> scaleOf(const ScaleShape& shape, const std::vector<double>& factors) {
    std::vector<DragScalePoint> scale;
    for (std::size_t i = 0; i < shape.knots.size(); ++i) scale.push_back({shape.knots[i], factors[i]});
    return scale;
}

Predictor::Predictor(const ShotParameters& shot, const std::vector<Reading>& readings)
    : shot_(shot), readings_(readings) {
    double farthest = 0.0;
    for (const Reading& r : readings) farthest = std::max(farthest, r.range);
    lastRange_ = static_cast<std::int32_t>(std::ceil(std::max(farthest, shot.sightInRange))) + 1;
}

std::vector<double> Predictor::predict(const Values& values, const ScaleShape& shape) {
    ShotParameters shot = shot_;
    shot.velocity = values.velocity;
    if (!shape.keep) shot.advanced.dragScale = scaleOf(shape, values.factors);
    fly(shot);
    std::vector<double> predicted;
    for (const Reading& r : readings_) predicted.push_back(predictionAt(r));
    return predicted;
}

double Predictor::machAt(double range) const { return rowAt(range, &TrajectoryPoint::velocity) / speedOfSound_; }

void Predictor::fly(const ShotParameters& shot) {
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

double Predictor::rowAt(double range, double TrajectoryPoint::*field) const {
    const auto& rows = trajectory_.rows;
    const double below = std::floor(range);
    const auto i = static_cast<std::size_t>(below);
    if (!(below >= 0.0) || i + 1 >= rows.size()) return std::nan("");
    const double share = range - below;
    return rows[i].*field + (rows[i + 1].*field - rows[i].*field) * share;
}

double Predictor::predictionAt(const Reading& r) const {
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

}  // namespace truing
}  // namespace vorlan
