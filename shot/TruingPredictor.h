#pragma once
// What a truing fit flies: the readings of the observations with the quantity each one reads,
// the drag scale a fit varies, and the predictor that flies the shot with other values and
// reads every prediction off the flight as the range table would give it.

#include <cstdint>
#include <vector>

#include "engine/TrajectorySolver.h"
#include "shot/Truing.h"

namespace vorlan::truing {

enum class Quantity { UpMoa, UpMil, UpClicks, Drop, Velocity, Time };

struct Reading {
    std::size_t row;  // the observation's index
    double range;
    Quantity quantity;
    double observed;
    double sigma;
};

inline constexpr const char* kQuantityNames[] = {"up_moa", "up_mil", "up_clicks", "drop_in", "velocity_fps", "time_s"};

// The readings with their quantities as the predictions take them.
std::vector<Reading> readingsOf(const std::vector<Observation>& observations, ClickValue click);

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

// The drag scale of `shape` with `factors` at its knots.
std::vector<DragScalePoint> scaleOf(const ScaleShape& shape, const std::vector<double>& factors);

// Flies the shot with other values and reads the predictions off the flight.
class Predictor {
public:
    Predictor(const ShotParameters& shot, const std::vector<Reading>& readings);

    std::vector<double> predict(const Values& values, const ScaleShape& shape);

    // Mach of the bullet at `range` in the last flight.
    double machAt(double range) const;

    int flights = 0;

private:
    void fly(const ShotParameters& shot);
    double rowAt(double range, double TrajectoryPoint::*field) const;
    double predictionAt(const Reading& r) const;

    ShotParameters shot_;
    const std::vector<Reading>& readings_;
    std::int32_t lastRange_;
    TrajectorySolver trajectory_;
    double speedOfSound_ = 1.0;
    double zeroSlope_ = 0.0;
};

}  // namespace vorlan::truing
