#pragma once
// The sight picture: where to hold on the reticle for a shot, at the magnification in use.
//
//   ShotParameters + SightRequest -> sightPicture() -> the field card's holds (the range
//   table's own flight; each wind full value from the right, as the card flies it)
//   -> aiming points in the reticle's unit, scaled for a second-plane reticle and clamped
//   at its reach -> painter (SightPainter.h), CSV, words
//
// A hold is where the table's hold says: up and right positive, as the turret is turned. The
// target sits on the reticle at the opposite side (a hold up of 2 mil puts it on the mark
// 2 mil below the centre). A second-plane reticle's marks grow with the magnification: at
// magnification m, true at t, a mark reads t / m of its true angle, so a hold of H true mil
// sits at H * m / t on the reticle.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Units.h"
#include "reports/sight/Reticle.h"
#include "shot/ShotParameters.h"

namespace vorlan {

// How the holds combine with the turret.
enum class HoldMode {
    DialElevation,  // dial the elevation of the target range, hold the wind (and the other ranges)
    HoldAll,        // dial nothing: hold everything from the zero
    DialZero,       // dial the elevation of one range, hold the rest
};

inline constexpr double kSightMaxMagnification = kReticleMaxMagnification;
inline constexpr std::size_t kSightMaxRanges = 50;

struct SightRequest {
    Reticle reticle;
    std::vector<double> ranges;    // the holdover ladder, yd or m; none: no ladder
    std::vector<double> winds;     // wind dots in windUnit, full value from the right
    std::optional<Unit> windUnit;  // none: mph, or m/s with metric units
    HoldMode mode = HoldMode::DialElevation;
    double zeroRange = 100.0;                 // DialZero: the range dialled, yd or m
    double magnification = 10.0;              // in use
    std::optional<double> trueMagnification;  // makes the reticle second plane, true here
    UnitSystem units = UnitSystem::Imperial;
};

struct AimPoint {
    double range = 0;            // yd or m
    std::optional<double> wind;  // in the picture's windUnit; none: the shot's own wind
    double up = 0, right = 0;    // the hold as the reticle reads it, in its unit
    double x = 0, y = 0;         // where the target sits on the reticle, held within the reach
    bool beyond = false;         // beyond the reach: drawn at the edge with an arrow
    double dial = 0;             // beyond: what the words dial (true, in the reticle's unit), by the arrow
    std::string words;           // "hold 1.2 up, 0.4 right"; "dial 3.2 mil, then hold 0.4 left"
    std::string label;           // "365.8"; "1000 (9.7)" beyond the reach, with what is dialled
};

struct SightPicture {
    Reticle reticle;  // as used: second plane when a true magnification was asked
    double magnification = 10.0;
    double scale = 1.0;            // true angle per reticle unit at that magnification
    std::optional<double> dial;    // the elevation dialled, true, in the reticle's unit
    std::string modeWords;         // "Dial 3.2 mil for 500 yd, hold the wind"
    std::string rangeUnit;         // "yd" or "m"
    std::string windUnit;          // "mph", "km/h" or "m/s"
    std::vector<AimPoint> points;  // the shot's own first, then the ladder
    std::string flightEnd;         // why some ranges have no point; empty when all do
};

// Why the request cannot be drawn (a range beyond the table, too many winds, a magnification
// out of bounds); empty when it can.
std::string sightRequestProblem(const SightRequest& request);
// The picture of a checked shot and request.
SightPicture sightPicture(const ShotParameters& shot, const SightRequest& request);

// The ladder of a field card: its rows' ranges and its winds on the reticle, every hold from
// the zero; at `magnification` (none: a second-plane reticle at the one it is true at), and
// with `trueMagnification` made second plane, true there. None, with the reason in `problem`,
// when the card's rows or winds are more than a picture holds.
struct FieldCard;
inline constexpr double kCardLadderShare = 0.4;  // of the card's width (FieldCardRequest::pictureShare)
std::optional<SightPicture> cardLadder(const ShotParameters& shot, const FieldCard& card, const Reticle& reticle,
                                       std::string& problem, std::optional<double> magnification = std::nullopt,
                                       std::optional<double> trueMagnification = std::nullopt);

// One line a point: range, wind ("shot" for the shot's own), up, right (LF ends).
std::string sightCsv(const SightPicture& picture);
// Every point's range and wind with its words, one a line.
std::string sightText(const SightPicture& picture);

// "wind", "all", "over:N" (N in yd or m); none for other text.
std::optional<HoldMode> parseHoldMode(std::string_view text, double& zeroRange);

}  // namespace vorlan
