#pragma once
// A truing session, as the Truing window holds it: the observations, the last fit and the shot
// it was made on, and what Apply replaced so that Clear Truing can put it back. It knows no
// window: the window lays the rows out, forwards its commands here and shows the outcome.
//
//   observations -> fit(shot) -> result -> apply(shot) / clear(shot) -> keepWith(shot)

#include <optional>
#include <vector>

#include "shot/ShotParameters.h"
#include "shot/Truing.h"

namespace vorlan {

class TruingSession {
public:
    explicit TruingSession(std::vector<Observation> observations) : observations_(std::move(observations)) {}

    const std::vector<Observation>& observations() const { return observations_; }
    // The rows as last read; the fit made before still stands.
    void setObservations(std::vector<Observation> observations) { observations_ = std::move(observations); }
    // Other observations (a file loaded): the fit made on the old ones goes.
    void replaceObservations(std::vector<Observation> observations);

    // The last fit, and the shot it was made on; none before the first.
    const std::optional<TruingResult>& result() const { return result_; }
    const std::optional<ShotParameters>& fittedShot() const { return fittedShot_; }
    // Whether the last fit can be written into a shot.
    bool canApply() const;

    // Fits `shot` to the observations and keeps the result with the shot.
    const TruingResult& fit(const ShotParameters& shot, TruingFit choice);

    enum class Applied {
        Applied,
        NoFit,        // nothing fitted that could be applied
        ShotChanged,  // the shot is no longer the one fitted (nor that one trued by this fit)
        OutOfBounds,  // the trued shot could not be written: `applyProblem()` says why
    };
    // Writes the fit into `shot`, remembering what it replaced.
    Applied apply(ShotParameters& shot);
    const std::string& applyProblem() const { return applyProblem_; }

    enum class Cleared {
        Restored,          // what Apply replaced is back
        VelocityRestored,  // the drag scale is gone and the velocity as entered before truing is back
        DragScaleCleared,  // the drag scale is gone, the velocity stays
        NothingInForce,
    };
    Cleared clear(ShotParameters& shot);

    // What the shot keeps of the session when the window closes with OK.
    void keepWith(ShotParameters& shot) const { shot.observations = observations_; }

private:
    std::vector<Observation> observations_;
    std::optional<TruingResult> result_;
    std::optional<ShotParameters> fittedShot_;
    // What Apply replaced, for Clear Truing to put back.
    struct Replaced {
        double velocity, velocityBeforeTruing;
        int dragFunction;
        double ballisticCoefficient;
        std::vector<DragScalePoint> dragScale;
    };
    std::optional<Replaced> replaced_;
    std::string applyProblem_;
};

}  // namespace vorlan
