#include "shot/TruingSession.h"

#include "shot/ShotFile.h"
#include "shot/TruingShotKeys.h"

namespace vorlan {

void TruingSession::replaceObservations(std::vector<Observation> observations) {
    observations_ = std::move(observations);
    result_.reset();
}

bool TruingSession::canApply() const {
    return result_ && result_->outcome == TruingResult::Outcome::Fitted && fittedShot_;
}

const TruingResult& TruingSession::fit(const ShotParameters& shot, TruingFit choice) {
    fittedShot_ = shot;
    result_ = trueShot(shot, observations_, choice);
    return *result_;
}

TruingSession::Applied TruingSession::apply(ShotParameters& shot) {
    if (!canApply()) return Applied::NoFit;
    // A fit made on other inputs would be written over the wrong flight. The shot may be the
    // one fitted, or that one with this fit applied already.
    const ShotParameters& then = *fittedShot_;
    ShotParameters now = shot, trued = then;
    applyTruing(trued, *result_);
    now.muzzleAngle = then.muzzleAngle;  // the zero written back by a table changes no flight
    now.observations = then.observations;
    if (shotFileText(now) + truingShotFileText({}, now.advanced) + truingVelocityShotFileText(now) ==
        shotFileText(trued) + truingShotFileText({}, trued.advanced) + truingVelocityShotFileText(trued))
        now = then;
    if (shotFileText(now) != shotFileText(then)) return Applied::ShotChanged;
    trued = shot;
    applyTruing(trued, *result_);
    applyProblem_ = truedShotProblem(trued);
    if (!applyProblem_.empty()) return Applied::OutOfBounds;
    if (!replaced_)
        replaced_ = Replaced{shot.velocity, shot.velocityBeforeTruing, shot.dragFunction, shot.ballisticCoefficient,
                             shot.advanced.dragScale};
    shot = trued;
    return Applied::Applied;
}

TruingSession::Cleared TruingSession::clear(ShotParameters& shot) {
    if (replaced_) {
        shot.velocity = replaced_->velocity;
        shot.velocityBeforeTruing = replaced_->velocityBeforeTruing;
        shot.dragFunction = replaced_->dragFunction;
        shot.ballisticCoefficient = replaced_->ballisticCoefficient;
        shot.advanced.dragScale = replaced_->dragScale;
        replaced_.reset();
        return Cleared::Restored;
    }
    if (!shot.advanced.dragScaleOn() && shot.velocityBeforeTruing == 0.0) return Cleared::NothingInForce;
    shot.advanced.dragScale.clear();
    if (shot.velocityBeforeTruing == 0.0) return Cleared::DragScaleCleared;
    shot.velocity = shot.velocityBeforeTruing;
    shot.velocityBeforeTruing = 0.0;
    return Cleared::VelocityRestored;
}

}  // namespace vorlan
