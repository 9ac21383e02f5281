#include "engine/HitBudget.h"

#include <cmath>
#include <utility>

#include "engine/Ballistics.h"
#include "engine/HitFlight.h"
#include "engine/ImpactNormal.h"

namespace vorlan {

namespace {

// A spread missing fewer than one shot in a hundred decides nothing worth saying.
constexpr double kNoticeableMisses = 0.01;
// A range estimate within this many deviations of the flight's end reaches past it.
constexpr double kEstimateReach = 3.0;

// The inputs whose slopes come from pairs of flights, then the range estimate.
enum Term { kVelocity, kCoefficient, kWindSpeed, kWindDirection, kCant, kFlightTerms, kRangeTerm = kFlightTerms };
constexpr int kTerms = kRangeTerm + 1;
constexpr HitSpread kTermSpread[kTerms] = {HitSpread::Velocity, HitSpread::Coefficient, HitSpread::Wind,
                                           HitSpread::Wind,     HitSpread::Cant,        HitSpread::Range};

double termSd(const HitSpreads& s, int term) {
    const double sds[kFlightTerms] = {s.velocitySd, s.coefficientSdPercent, s.windSd, s.windDirectionSd, s.cantSd};
    return sds[term];
}

SpreadDraws drawn(int term, double z) {
    SpreadDraws d;
    double* const draws[kFlightTerms] = {&d.velocity, &d.coefficient, &d.windSpeed, &d.windDirection, &d.cant};
    *draws[term] = z;
    return d;
}

struct Offset {
    double x = 0.0, y = 0.0;  // inches right and up of the centre
};

// What one deviation of a term does to the impact: its slope and its second-order term.
struct TermEffect {
    Offset slope, curve;
};

// The flights one deviation either side of each flight term in force.
struct StrayPair {
    bool inForce = false;
    TrajectorySolver plus, minus;
};
using StrayPairs = std::array<StrayPair, kFlightTerms>;

StrayPairs flyPairs(const HitFlights& flights, const HitSpreads& s) {
    StrayPairs pairs;
    for (int term = 0; term < kFlightTerms; ++term) {
        StrayPair& pair = pairs[static_cast<std::size_t>(term)];
        pair.inForce = termSd(s, term) > 0.0;
        if (!pair.inForce) continue;
        for (auto [flight, z] : {std::pair{&pair.plus, 1.0}, std::pair{&pair.minus, -1.0}}) {
            *flight = flights.flight;
            strayFlight(*flight, flights.nominal, s, flights.wind, drawn(term, z));
            flight->computeTrajectory();
        }
    }
    return pairs;
}

// The impact at one range: where the shot as entered lands, and what each spread does to it.
struct RangeBudget {
    Offset centre;
    std::array<TermEffect, kTerms> terms{};
    double precision = 0.0;  // inches per axis
};

TermEffect effect(const Offset& centre, const Offset& plus, const Offset& minus) {
    return {{(plus.x - minus.x) / 2, (plus.y - minus.y) / 2},
            {(plus.x + minus.x) / 2 - centre.x, (plus.y + minus.y) / 2 - centre.y}};
}

// None where some flight the budget needs does not reach the range, or an estimate may reach
// past the flight's end: the samples count those.
std::optional<RangeBudget> rangeBudget(const HitFlights& flights, const StrayPairs& pairs, const HitSpreads& s,
                                       double range, int firstRow) {
    const TrajectorySolver& nominal = flights.nominal;
    const double rangeSd = rangeSpreadAt(s, range);
    if (range > nominal.lastRowIndex || range + kEstimateReach * rangeSd > nominal.lastRowIndex) return std::nullopt;
    const std::optional<TrajectoryPoint> point = flightRowAt(nominal, range);
    if (!point) return std::nullopt;
    const Hold hold = holdAt(nominal, range, firstRow);
    const auto impact = [&](const TrajectoryPoint& p, const Hold& h) {
        return Offset{(p.windage - h.windage * range) * 12.0, (p.drop - h.drop * range) * 12.0};
    };
    RangeBudget b;
    b.centre = impact(*point, hold);
    for (int term = 0; term < kFlightTerms; ++term) {
        const StrayPair& pair = pairs[static_cast<std::size_t>(term)];
        if (!pair.inForce) continue;
        const std::optional<TrajectoryPoint> plus = flightRowAt(pair.plus, range);
        const std::optional<TrajectoryPoint> minus = flightRowAt(pair.minus, range);
        if (!plus || !minus) return std::nullopt;
        b.terms[static_cast<std::size_t>(term)] = effect(b.centre, impact(*plus, hold), impact(*minus, hold));
    }
    if (rangeSd > 0.0)
        b.terms[kRangeTerm] = effect(b.centre, impact(*point, holdAt(nominal, range + rangeSd, firstRow)),
                                     impact(*point, holdAt(nominal, range - rangeSd, firstRow)));
    b.precision = moaToRadians(s.precisionMoa) * TrajectorySolver::kStep * range * 12.0;
    return b;
}

// The impact's normal with the terms `in` (and the precision with `precision`); with
// `secondOrder`, moved and widened by the second-order terms as a quadratic in a normal is.
ImpactNormal normalOf(const RangeBudget& b, const std::array<bool, kTerms>& in, bool precision, bool secondOrder) {
    ImpactNormal n{b.centre.x, b.centre.y};
    for (std::size_t t = 0; t < kTerms; ++t) {
        if (!in[t]) continue;
        const TermEffect& e = b.terms[t];
        n.addSlope(e.slope.x, e.slope.y);
        if (!secondOrder) continue;
        n.meanX += e.curve.x;
        n.meanY += e.curve.y;
        n.addSlope(std::sqrt(2.0) * e.curve.x, std::sqrt(2.0) * e.curve.y);
    }
    if (precision) {
        n.varX += b.precision * b.precision;
        n.varY += b.precision * b.precision;
    }
    return n;
}

constexpr std::array<bool, kTerms> kAllTerms = {true, true, true, true, true, true};

// The spread that alone misses most, and each spread's share of the variance.
void putDownMisses(const RangeBudget& b, const HitTarget& target, const HitSpreads& s, MissCause& cause,
                   std::array<double, kHitSpreadCount>& shares) {
    double worst = 0.0, total = 0.0;
    shares.fill(0.0);
    for (int i = 0; i < kHitSpreadCount; ++i) {
        const auto spread = static_cast<HitSpread>(i);
        if (!spreadInForce(s, spread)) continue;
        std::array<bool, kTerms> in{};
        for (std::size_t t = 0; t < kTerms; ++t) in[t] = kTermSpread[t] == spread;
        const bool precision = spread == HitSpread::Precision;
        const ImpactNormal alone = normalOf(b, in, precision, false);
        shares[static_cast<std::size_t>(i)] = alone.varX + alone.varY;
        total += alone.varX + alone.varY;
        const double misses = 1.0 - hitChance(alone, target);
        if (misses > worst && misses >= kNoticeableMisses) {
            worst = misses;
            cause.spread = spread;
        }
    }
    for (double& share : shares) share = total > 0.0 ? share / total : 0.0;
}

// Impacts drawn from the normal, as many as a sampled run keeps, from the samples' streams.
std::vector<HitImpact> drawImpacts(const ImpactNormal& n, const HitRunOptions& options) {
    const double a = std::sqrt(n.varX), b = a > 0.0 ? n.covXY / a : 0.0;
    const double c = std::sqrt(std::max(0.0, n.varY - b * b));
    std::vector<HitImpact> impacts;
    for (int i = 0; i < std::min(options.runs, options.scatterLimit); ++i) {
        SampleStream stream(options.seed, static_cast<std::uint64_t>(i));
        const auto [u, v] = stream.normals();
        impacts.push_back({n.meanX + a * u, n.meanY + b * u + c * v});
    }
    return impacts;
}

}  // namespace

std::optional<HitMethod> hitMethodNamed(const std::string& word) {
    if (word == "budget") return HitMethod::Budget;
    if (word == "sampled") return HitMethod::Sampled;
    return std::nullopt;
}

HitBudgetResult computeHitBudget(const TrajectorySolver& shot, const HitSpreads& spreads, const HitTarget& target,
                                 const std::vector<int>& ranges, const HitRunOptions& options) {
    HitBudgetResult out;
    if (ranges.empty()) return out;
    const HitFlights flights = hitFlights(shot, spreads, ranges, options.rangeUnit);
    out.hits.muzzleElevation = flights.nominal.muzzleElevation;
    const StrayPairs pairs = flyPairs(flights, spreads);
    for (const int range : ranges) {
        HitRangeFigure figure{range, 0, 0.0, 0.0, false};
        out.causes.push_back({range, std::nullopt});
        out.shares.emplace_back();
        out.secondOrder.push_back(0.0);
        const std::optional<RangeBudget> b =
            rangeBudget(flights, pairs, spreads, rangeYards(range, options.rangeUnit), options.firstRow);
        if (b) {
            const ImpactNormal linear = normalOf(*b, kAllTerms, true, false);
            figure.probability = hitChance(linear, target);
            out.secondOrder.back() =
                std::fabs(hitChance(normalOf(*b, kAllTerms, true, true), target) - figure.probability);
            putDownMisses(*b, target, spreads, out.causes.back(), out.shares.back());
            if (range == options.scatterRange) out.hits.impacts = drawImpacts(linear, options);
        }
        // Figures the budget cannot vouch for (NaN among them, from flights gone wild) are sampled.
        figure.sampled = !b || !(out.secondOrder.back() * kSecondOrderMargin <= kHitBudgetLimit) ||
                         !std::isfinite(figure.probability);
        out.sampledRanges += figure.sampled ? 1 : 0;
        figure.hits = static_cast<int>(std::lround(figure.probability * options.runs));
        out.hits.figures.push_back(figure);
    }
    if (out.sampledRanges == 0) return out;
    HitProbabilityResult run = computeHitProbability(shot, spreads, target, ranges, options);
    out.hits.cancelled = run.cancelled;
    out.hits.runs = run.runs;
    for (std::size_t r = 0; r < ranges.size() && r < run.figures.size(); ++r) {
        if (!out.hits.figures[r].sampled) continue;
        out.hits.figures[r] = run.figures[r];
        if (ranges[r] == options.scatterRange) out.hits.impacts = std::move(run.impacts);
    }
    return out;
}

}  // namespace vorlan
