#pragma once
// The flights both ways of counting hits share (HitProbability.h samples them, HitBudget.h
// takes their slopes): the flight as entered every yard for the holds, the flight through the
// asked ranges at that zero, and the flight of one shot whose inputs stray from the entered
// ones by so many standard deviations.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

#include "engine/HitInputs.h"
#include "engine/TrajectorySolver.h"
#include "engine/Units.h"

namespace vorlan {

inline constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

// SplitMix64's finaliser: a bijection that scatters neighbouring keys far apart.
inline std::uint64_t mixBits(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The numbers of one sample: a SplitMix64 stream keyed by the seed and the sample's index.
class SampleStream {
public:
    SampleStream(std::uint64_t seed, std::uint64_t index) : state_(mixBits(mixBits(seed + kGolden) ^ index)) {}
    // Two independent standard normal numbers (Box-Muller).
    std::pair<double, double> normals() {
        const double radius = std::sqrt(-2.0 * std::log(uniform()));
        const double angle = 2.0 * std::numbers::pi * uniform();
        return {radius * std::cos(angle), radius * std::sin(angle)};
    }

private:
    // Uniform in (0, 1), never 0.
    double uniform() {
        state_ += kGolden;
        return (static_cast<double>(mixBits(state_) >> 11) + 0.5) * 0x1.0p-53;
    }
    std::uint64_t state_;
};

// The wind of the shot as entered as a speed and the direction it comes from (degrees).
struct HitWind {
    double speed;
    double direction;
    bool fromEffects;  // the advanced wind, not the designed crosswind
};
HitWind shotWind(const TrajectorySolver& shot);

// How far one shot's inputs stray, in standard deviations of their spreads.
struct SpreadDraws {
    double velocity = 0.0, coefficient = 0.0, windSpeed = 0.0, windDirection = 0.0, cant = 0.0;
};

// The flights a count of hits starts from.
struct HitFlights {
    TrajectorySolver nominal;  // every yard from the muzzle, zeroed, as far as any estimate reaches
    TrajectorySolver flight;   // the nominal zero, rows at the asked ranges only
    HitWind wind{};
};
// A range of a run in yards: a whole yard as it is, a whole metre at its exact yards.
inline double rangeYards(int range, UnitSystem unit) {
    return unit == UnitSystem::Metric ? range / kMetresPerYard : range;
}

// Flies the nominal flight and sets up the other; `ranges` (in `unit`) must not be empty.
HitFlights hitFlights(const TrajectorySolver& shot, const HitSpreads& spreads, const std::vector<int>& ranges,
                      UnitSystem unit);
// The row of a flight set up by hitFlights (or the nominal) at `yards`: a recorded row, else
// read between the yards either side. None where the bullet never gets there.
std::optional<TrajectoryPoint> flightRowAt(const TrajectorySolver& flight, double yards);

// Sets `flight` (a copy of `base` at its zero) to the shot whose inputs stray by `draws`.
void strayFlight(TrajectorySolver& flight, const TrajectorySolver& base, const HitSpreads& spreads, const HitWind& wind,
                 const SpreadDraws& draws);

// The hold for an estimated range (yd) as an angle: feet at the target per yard of range. An
// estimate short of `firstRow` holds for it, one beyond the nominal flight for its last row.
struct Hold {
    double drop, windage;
};
Hold holdAt(const TrajectorySolver& nominal, double estimate, int firstRow);

// The range estimate's deviation at `range` (yd).
inline double rangeSpreadAt(const HitSpreads& s, double range) {
    return s.rangeSdPercent ? s.rangeSd / 100.0 * range : s.rangeSd;
}

}  // namespace vorlan
