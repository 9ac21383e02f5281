#pragma once
// Truing: the muzzle velocity and a scale on the drag coefficient fitted to what the shooter
// observed at real ranges (Observations.h), so that the table matches the rifle.
//
// Every prediction flies the shot as the range table does (setUpTrajectory), with the fitted
// velocity and drag scale in place of the shot's. The fit is a weighted least-squares one
// (Levenberg-Marquardt, derivatives by flying the shot again with each value nudged), each
// observation weighted by its stated uncertainty: 0.1 MOA for a hold in MOA or mil and for a
// drop, half a click for a hold in clicks, 5 ft/s for a velocity, 2 ms for a time, unless the
// row gives its own. The standard errors come from the fit's covariance with those weights.

#include <string>
#include <vector>

#include "engine/Holds.h"
#include "shot/Observations.h"
#include "shot/ShotParameters.h"

namespace vorlan {

// What is fitted besides the velocity: nothing, one factor on the drag coefficient over the
// whole flight, or a scale by Mach: a factor from Mach 1.2 up and one at or below Mach 1.08,
// half way between two observed ranges with two more observed beyond, linear between them and
// held beyond. Auto takes the velocity alone from one range, a scale by Mach from five ranges
// or more that reach below Mach 1.08 that way, one factor otherwise; and with a G1 or G7
// coefficient it fits the other of the two as well (with an equivalent coefficient) and keeps
// the drag function whose fit leaves the smaller weighted residual.
enum class TruingFit { Auto, Velocity, Bc, Mach };

inline constexpr double kDefaultSigmaMoa = 0.1;     // a hold in MOA or mil, and a drop
inline constexpr double kDefaultSigmaFps = 5.0;     // a velocity
inline constexpr double kDefaultSigmaTime = 0.002;  // s, a time of flight
// Observations above this Mach decide the velocity; a scale by Mach has a factor of its own
// from there up.
inline constexpr double kDecidingMach = 1.2;
// A scale by Mach has at most this many factors below kDecidingMach, each at least
// kKnotSpacing below the next. More, closer ones split one stretch of drag between them,
// which the holds cannot decide.
inline constexpr std::size_t kMaxMachKnots = 1;
inline constexpr double kKnotSpacing = 0.12;
// A fit whose standard errors exceed these decides nothing the table could use.
inline constexpr double kMaxVelocityError = 50.0;  // ft/s
inline constexpr double kMaxDragScaleError = 0.25;

// One reading of one observation, the prediction before and after the fit, and the residuals
// (observed - predicted) in the reading's own unit.
struct TruingResidual {
    std::size_t row;       // the observation's index
    double range;          // yd
    const char* quantity;  // the CSV column: "up_moa", "up_mil", "up_clicks", "drop_in", "velocity_fps", "time_s"
    double observed;
    double sigma;   // the uncertainty it was weighted by
    double before;  // residual with the shot as it was
    double after;   // residual with the fitted values
};

// One reading of an observation and the uncertainty the fit weighs it by, in the reading's unit.
struct TruingReading {
    std::size_t row;       // the observation's index
    double range;          // yd
    const char* quantity;  // as TruingResidual::quantity
    double observed;
    double sigma;
};

// A hold in clicks is held to the angle a hold in MOA may be (up_moa's bound), in the shot's
// click value: "up_clicks at 600 yd is 750 MOA in clicks of 1/4 MOA; ..."; empty when it fits.
inline constexpr double kHighestHoldMoa = 600.0;
std::string clickHoldProblem(const Observation& observation, ClickValue click);

// Every reading of the observations, in their order, with its stated or default uncertainty;
// a hold in clicks counts clicks of `click`.
std::vector<TruingReading> truingReadings(const std::vector<Observation>& observations, ClickValue click);

struct TruingResult {
    enum class Outcome {
        Fitted,     // the values below are the fit's
        BadInput,   // the shot or an observation is outside its bounds: `message` says which
        Undecided,  // the observations cannot decide the fit: `message` says why
    };
    Outcome outcome = Outcome::BadInput;
    std::string message;
    std::string note;                 // said of a fit made: as many readings as fitted values
    TruingFit fit = TruingFit::Auto;  // what was fitted (never Auto once decided)
    // The drag function and coefficient fitted with: the shot's own, or the other of G1 and G7
    // with an equivalent coefficient when an automatic fit chose it (`dragFunctionChosen`).
    int dragFunction = 0;
    double ballisticCoefficient = 0.0;
    bool dragFunctionChosen = false;
    double velocity = 0.0;       // ft/s
    double velocityError = 0.0;  // its standard error
    // The fitted drag scale and each factor's standard error; empty for a velocity fit.
    std::vector<DragScalePoint> dragScale;
    std::vector<double> dragScaleErrors;
    std::vector<TruingResidual> residuals;               // empty when the fit was refused before it ran
    double chiSquareBefore = 0.0, chiSquareAfter = 0.0;  // sums of squared residuals in uncertainties
    int flights = 0;                                     // trajectories flown
};

// Fits the shot to the observations. A fit whose residuals stay far outside the stated
// uncertainties (the points contradict each other or this bullet), whose standard errors pass
// kMaxVelocityError or kMaxDragScaleError, or whose values the shot's fields cannot hold, is
// given back (values and residuals) as Undecided. An observation out of its bounds, or timed
// faster than any bullet could fly, is BadInput named by its row.
TruingResult trueShot(const ShotParameters& shot, const std::vector<Observation>& observations,
                      TruingFit fit = TruingFit::Auto);

// Writes a fit into the shot: the velocity (to a tenth of a ft/s), the drag function and
// coefficient fitted with, and the drag scale under its own key (a velocity fit keeps the
// shot's drag scale, or puts in a factor of 1 so that the table names the truing). The
// velocity as entered is kept under a key of its own the first time, for Clear Truing.
void applyTruing(ShotParameters& shot, const TruingResult& result);

// What keeps a trued shot from being written: a field outside its bounds, or observations
// longer than a shot file's line can hold; empty when it can be written.
std::string truedShotProblem(const ShotParameters& shot);

}  // namespace vorlan
