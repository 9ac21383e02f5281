#include "engine/HitFlight.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/Ballistics.h"
#include "engine/TrajectoryRows.h"

namespace vorlan {

namespace {

// Anything smaller than this stays in: a coefficient spread must not turn a coefficient
// negative however far out a shot strays.
constexpr double kLeastCoefficientFactor = 0.05;

// A wind that strays: a speed below 0 blows from the other side; the direction in [0, 360).
WindZone blowing(double until, double speed, double direction) {
    if (speed < 0.0) {
        speed = -speed;
        direction += 180.0;
    }
    direction = std::fmod(direction, 360.0);
    if (direction < 0.0) direction += 360.0;
    return {until, speed, direction};
}

// Every zone's wind called wrong alike: its speed by the same share of the mean speed (by the
// same miles an hour when the zones are calm), its direction by the same turn.
void strayZones(TrajectorySolver& flight, const TrajectorySolver& base, double mean, double speedError, double turn) {
    const std::vector<WindZone>& zones = base.advanced.windZones;
    for (std::size_t i = 0; i < zones.size(); ++i) {
        const double speed = mean > 0.0 ? zones[i].speed * (1.0 + speedError / mean) : zones[i].speed + speedError;
        flight.advanced.windZones[i] = blowing(zones[i].until, speed, zones[i].direction + turn);
    }
}

}  // namespace

HitWind shotWind(const TrajectorySolver& shot) {
    const std::vector<WindZone>& zones = shot.advanced.windZones;
    if (!zones.empty()) {
        // The zones' mean speed is the call the spread is a share of.
        double sum = 0.0;
        for (const WindZone& zone : zones) sum += zone.speed;
        return {sum / static_cast<double>(zones.size()), 0.0, true};
    }
    if (shot.advanced.windOn()) return {shot.advanced.windSpeed, shot.advanced.windDirection, true};
    // The designed crosswind blows to the right (+z) from the left, 270 degrees.
    return {std::fabs(shot.crosswind), shot.crosswind >= 0.0 ? 270.0 : 90.0, false};
}

HitFlights hitFlights(const TrajectorySolver& shot, const HitSpreads& spreads, const std::vector<int>& ranges,
                      UnitSystem unit) {
    const double farthest = rangeYards(*std::max_element(ranges.begin(), ranges.end()), unit);
    const double nearest = rangeYards(*std::min_element(ranges.begin(), ranges.end()), unit);
    // The holds reach as far as any estimate will: seven deviations beyond the last range.
    const double rangeSd = rangeSpreadAt(spreads, farthest);
    HitFlights flights{shot, shot, shotWind(shot)};
    TrajectorySolver& nominal = flights.nominal;
    nominal.firstRange = 0;
    nominal.lastRange = static_cast<std::int32_t>(
        std::min<double>(farthest + std::ceil(7.0 * rangeSd) + 1.0, TrajectorySolver::kMarchLimit));
    nominal.rangeStep = 1;
    nominal.computeTrajectory();
    flights.flight = nominal;
    flights.flight.solveElevation = false;
    flights.flight.firstRange = static_cast<std::int32_t>(std::floor(nearest));
    flights.flight.lastRange =
        static_cast<std::int32_t>(std::min<double>(std::ceil(farthest), TrajectorySolver::kMarchLimit));
    // Whole yards are recorded at their common step; metres are read between every yard.
    flights.flight.rangeStep =
        unit == UnitSystem::Metric
            ? 1
            : std::accumulate(ranges.begin(), ranges.end(), 0, [](int a, int b) { return std::gcd(a, b); });
    return flights;
}

std::optional<TrajectoryPoint> flightRowAt(const TrajectorySolver& flight, double yards) {
    const double at = (yards - flight.firstRange) / std::max(flight.rangeStep, 1);
    const double row = std::floor(at);
    if (!(row >= 0.0) || row > flight.lastRowIndex) return std::nullopt;
    if (at == row) return flight.rows[static_cast<std::size_t>(row)];
    if (row + 1.0 > flight.lastRowIndex) return std::nullopt;
    std::optional<TrajectoryPoint> point = rowAt(flight.rows, at);
    if (point) point->range = yards;
    return point;
}

void strayFlight(TrajectorySolver& flight, const TrajectorySolver& base, const HitSpreads& s, const HitWind& w,
                 const SpreadDraws& d) {
    flight.muzzleVelocity = base.muzzleVelocity + d.velocity * s.velocitySd;
    const double factor = std::max(1.0 + d.coefficient * s.coefficientSdPercent / 100.0, kLeastCoefficientFactor);
    flight.dragModel.ballisticCoefficient = base.dragModel.ballisticCoefficient * factor;
    for (std::size_t i = 0; i < flight.advanced.bcBands.size(); ++i)
        flight.advanced.bcBands[i].coefficient = base.advanced.bcBands[i].coefficient * factor;
    flight.cantAngle = base.cantAngle + degreesToRadians(d.cant * s.cantSd);
    if (!base.advanced.windZones.empty()) {
        strayZones(flight, base, w.speed, d.windSpeed * s.windSd, d.windDirection * s.windDirectionSd);
        return;
    }
    if (!w.fromEffects && s.windDirectionSd == 0.0) {
        flight.crosswind = base.crosswind + d.windSpeed * s.windSd;
        return;
    }
    // A direction to spread: a wind from any direction.
    const WindZone wind =
        blowing(0.0, w.speed + d.windSpeed * s.windSd, w.direction + d.windDirection * s.windDirectionSd);
    if (!base.advanced.anyOn()) {
        // The designed step takes a wind along the line of sight as well as across it, and
        // costs less than the advanced one: the same wind, split as the advanced step splits it.
        const double radians = degreesToRadians(wind.direction);
        flight.headwind = wind.speed * std::cos(radians);
        flight.crosswind = -wind.speed * std::sin(radians);
        return;
    }
    flight.advanced.windSpeed = wind.speed;
    flight.advanced.windDirection = wind.direction;
    flight.crosswind = 0.0;
}

Hold holdAt(const TrajectorySolver& nominal, double estimate, int firstRow) {
    const auto last = static_cast<double>(std::max(nominal.lastRowIndex, 1));
    const double range = std::clamp(estimate, std::clamp(static_cast<double>(firstRow), 1.0, last), last);
    const auto i = static_cast<std::size_t>(range);
    const std::size_t j = std::min(i + 1, static_cast<std::size_t>(last));
    const double f = range - static_cast<double>(i);
    const TrajectoryPoint& a = nominal.rows[i];
    const TrajectoryPoint& b = nominal.rows[j];
    return {(a.drop + f * (b.drop - a.drop)) / range, (a.windage + f * (b.windage - a.windage)) / range};
}

}  // namespace vorlan
