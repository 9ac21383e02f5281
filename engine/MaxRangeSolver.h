#pragma once
// The longest trajectory of a shot and the height of a shot fired straight up. A coarser
// integrator than the trajectory solver's: 6-ft steps of horizontal distance over level
// ground, no sight, wind, cant or target. The elevation search flies whole degrees from 11
// upwards and keeps the last trial of the first run of increasing ranges.

#include "engine/AdvancedEffects.h"
#include "engine/Atmosphere.h"
#include "engine/DragFunction.h"

namespace vorlan {

// What computeMaximumRange finds. Without an improving trial (a muzzle velocity below
// 50 ft/s, or inputs that make no number) the distance results stay 0 and `found` is false;
// the vertical shot is computed either way.
struct MaximumRange {
    bool found = false;             // some trial flew a positive distance
    double firingElevation = 0.0;   // degrees above the horizontal, a whole number from 11 up
    double maximumRange = 0.0;      // yd, a multiple of 2 (the step is 6 ft)
    double timeOfFlight = 0.0;      // s
    double terminalVelocity = 0.0;  // ft/s at the end of the longest trajectory
    double terminalEnergy = 0.0;    // ft-lb at that speed
    double maximumHeight = 0.0;     // ft above the muzzle on the longest trajectory
    double verticalHeight = 0.0;    // ft reached by the shot fired straight up
    double verticalTime = 0.0;      // s that the vertical shot takes to get there
};

// One trajectory of the elevation search.
struct MaxRangeFlight {
    double distance = 0.0;  // ft, a multiple of 6
    double speed = 0.0;     // ft/s at the end
    double time = 0.0;      // s
    double highest = 0.0;   // ft above the muzzle
};

class MaxRangeSolver {
public:
    double muzzleVelocity = 0.0;  // ft/s
    double bulletWeight = 0.0;    // grains, for the terminal energy only
    Atmosphere atmosphere;        // standard sea level until set; derived values recomputed by each run
    DragModel dragModel;          // coefficient 0.65 and G1 until set
    // Effects the flights take as the range table's do: the powder's velocity, a custom drag
    // table, coefficient bands and the wind's part along the line of fire (of each zone).
    // Spin drift, the jump and the Earth's rotation move a bullet sideways or by inches: they
    // leave a range of miles alone. All off: the designed flights.
    AdvancedEffects advanced;

    // Runs the elevation search and the vertical shot. Ends for every input: each flight
    // stops at kStepLimit steps, the search at kLastElevation.
    MaximumRange computeMaximumRange() const;
    // The single trial at `elevation` rad: until the bullet is back at the muzzle's height or
    // slower than 50 ft/s.
    MaxRangeFlight flightAt(double elevation) const;

    static constexpr double kStep = 6.0;             // ft of horizontal distance per step
    static constexpr double kFirstElevation = 11.0;  // degrees of the first trial
    static constexpr double kLastElevation = 89.0;   // degrees: steeper is no longer a shot downrange
    static constexpr double kStartHeight = 0.01;     // ft above the muzzle at the start
    // 300,000 ft (100,000 yd) of flight or of climb, as far as the trajectory solver marches:
    // beyond any small-arms bullet, reached only by inputs from a damaged file.
    static constexpr int kStepLimit = 50000;

    // The designed drag in the solver's air.
    struct Air {
        CoefficientRoutine coefficientAt;
        double ballisticCoefficient;  // lb/in^2
        double speedOfSound;          // ft/s
        double densityRatio;          // density / standard density
        double dragFactor(double speed) const;
        double deceleration(double speed) const;  // drag and gravity along a vertical flight, ft/s^2
    };

private:
    template <class Drag>
    MaximumRange search(const Drag& drag) const;
    template <class Drag>
    MaxRangeFlight fly(const Drag& drag, double elevation) const;
    template <class Drag>
    void flyVertically(const Drag& drag, MaximumRange& result) const;
    double launchVelocity() const;
    Air air() const;
};

}  // namespace vorlan
