#pragma once
// What a shot keeps for its hit probability (HitProbability.h): the spreads of the shot, the
// target and the level an ethical shot must reach.

namespace vorlan {

// The spreads of one shot: standard deviations, each 0 when not in force.
struct HitSpreads {
    double velocitySd = 0.0;            // ft/s of muzzle velocity
    double coefficientSdPercent = 0.0;  // percent of the ballistic coefficient
    double rangeSd = 0.0;               // yd of range estimate, or percent of the range (below)
    bool rangeSdPercent = false;        // rangeSd is a percentage of the range
    double windSd = 0.0;                // mph of wind speed
    double windDirectionSd = 0.0;       // degrees of wind direction
    double precisionMoa = 0.0;          // MOA per axis: the rifle and shooter
    double cantSd = 0.0;                // degrees of cant
    // The precision as the shooter gave it: groups of `groupShots` shots measuring `groupMoa`
    // on average (precisionMoa is the deviation they stand for); 0 shots: as a deviation.
    double groupMoa = 0.0;
    int groupShots = 0;
    bool operator==(const HitSpreads&) const = default;
};

// The spreads of a practised rifleman, assumed where a shot holds none: 10 ft/s of velocity,
// 2 % of coefficient, 3 % of range, 2 mph of wind call and 0.5 MOA of precision.
inline constexpr HitSpreads kTypicalHitSpreads{.velocitySd = 10,
                                               .coefficientSdPercent = 2,
                                               .rangeSd = 3,
                                               .rangeSdPercent = true,
                                               .windSd = 2,
                                               .precisionMoa = 0.5};

// The target, aimed at its centre: a circle of `width` inches across, or a rectangle of
// `width` x `height` inches. A width of 0 leaves the choice to the caller (the vital zone).
struct HitTarget {
    enum class Shape { Circle, Rectangle };
    Shape shape = Shape::Circle;
    double width = 0.0;   // in: the circle's diameter or the rectangle's width
    double height = 0.0;  // in: the rectangle's height
    bool isSet() const { return width > 0.0; }
    bool contains(double x, double y) const;  // inches from the centre, right and up
    bool operator==(const HitTarget&) const = default;
};

inline constexpr double kDefaultHitLevel = 0.9;

// Everything a shot keeps for the hit probability.
struct HitInputs {
    HitSpreads spreads;
    HitTarget target;
    double level = kDefaultHitLevel;  // the P(hit) an ethical shot must reach, 0 to 1
    bool operator==(const HitInputs&) const = default;
};

}  // namespace vorlan
