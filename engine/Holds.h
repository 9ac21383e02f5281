#pragma once
// Holds: the angle a scope is dialled by to bring the point of aim onto the point of impact,
// in true minutes of angle (1/60 degree; 1.047197551 in at 100 yd), in milliradians, and in
// turret clicks. The angle is the exact one, atan(offset / range), with full-precision pi;
// the small-angle offset / range is larger by a share of about angle^2 / 3: 0.004 % at
// 40 MOA, 0.13 % at 7 degrees.
//
// Turret convention: a positive correction is UP for the elevation and RIGHT for the
// windage. A bullet that strikes below the line of sight needs UP; one that drifts to the
// right needs LEFT.

#include <numbers>
#include <optional>

namespace vorlan {

enum class AngleUnit { Moa, Mil };

// One click of a turret: its size in its unit (0.25 MOA, 0.1 mil...).
struct ClickValue {
    double size = 0.25;
    AngleUnit unit = AngleUnit::Moa;
    bool operator==(const ClickValue&) const = default;
};

inline constexpr double kTrueMoaPerRadian = 180.0 / std::numbers::pi * 60.0;
inline constexpr double kMilsPerRadian = 1000.0;

constexpr double radiansToTrueMoa(double radians) { return radians * kTrueMoaPerRadian; }
constexpr double radiansToMils(double radians) { return radians * kMilsPerRadian; }
constexpr double clickRadians(ClickValue click) {
    return click.size / (click.unit == AngleUnit::Moa ? kTrueMoaPerRadian : kMilsPerRadian);
}

// The angle under which an offset (inches) is seen at a range (yards), radians; none at or
// before the muzzle, where no angle exists.
std::optional<double> offsetAngle(double offsetInches, double rangeYards);

// One correction in every unit; signed as the turret convention above.
struct Hold {
    double moa;
    double mil;
    double clicks;
};
std::optional<Hold> holdFor(double correctionInches, double rangeYards, ClickValue click);

// The corrections of a row, inches: the drop and windage (feet, up and right positive)
// turned into what to dial (0 - x, not -x: a row on the line gives +0, never -0).
constexpr double elevationCorrectionInches(double dropFeet) { return 0.0 - dropFeet * 12.0; }
constexpr double windageCorrectionInches(double windageFeet) { return 0.0 - windageFeet * 12.0; }

}  // namespace vorlan
