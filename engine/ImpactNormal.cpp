#include "engine/ImpactNormal.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace vorlan {

namespace {

// Beyond this many deviations the normal holds less than 1e-23 of its mass.
constexpr double kTails = 10.0;
// A spread this much thinner than the other counts as none: the impact lies on a line.
constexpr double kFlat = 1e-12;
constexpr double kTolerance = 1e-10;

double normalDensity(double x, double mean, double sd) {
    const double z = (x - mean) / sd;
    return std::exp(-0.5 * z * z) / (sd * std::sqrt(2.0 * std::numbers::pi));
}

// P(lo <= mean + sd Z <= hi); sd 0 is the indicator.
double normalBetween(double lo, double hi, double mean, double sd) {
    if (sd <= 0.0) return mean >= lo && mean <= hi ? 1.0 : 0.0;
    return std::max(0.0, normalCdf((hi - mean) / sd) - normalCdf((lo - mean) / sd));
}

template <class F>
double simpson(const F& f, double a, double fa, double m, double fm, double b, double fb, double whole, double tol,
               int depth) {
    const double lm = (a + m) / 2, rm = (m + b) / 2;
    const double flm = f(lm), frm = f(rm);
    const double left = (m - a) / 6 * (fa + 4 * flm + fm), right = (b - m) / 6 * (fm + 4 * frm + fb);
    if (depth <= 0 || std::fabs(left + right - whole) <= 15 * tol) return left + right + (left + right - whole) / 15;
    return simpson(f, a, fa, lm, flm, m, fm, left, tol / 2, depth - 1) +
           simpson(f, m, fm, rm, frm, b, fb, right, tol / 2, depth - 1);
}

// Adaptive Simpson over [a, b], started from eight pieces so no narrow peak slips between.
template <class F>
double integrate(const F& f, double a, double b) {
    constexpr int kPieces = 8;
    double sum = 0.0;
    for (int i = 0; i < kPieces; ++i) {
        const double lo = a + (b - a) * i / kPieces, hi = a + (b - a) * (i + 1) / kPieces, mid = (lo + hi) / 2;
        const double flo = f(lo), fmid = f(mid), fhi = f(hi);
        sum +=
            simpson(f, lo, flo, mid, fmid, hi, fhi, (hi - lo) / 6 * (flo + 4 * fmid + fhi), kTolerance / kPieces, 40);
    }
    return sum;
}

// The impact along a line: mean + (ax, ay) Z.
double lineChance(const ImpactNormal& n, double ax, double ay, const HitTarget& t) {
    double lo = -INFINITY, hi = INFINITY;
    if (t.shape == HitTarget::Shape::Circle) {
        const double r = t.width / 2, aa = ax * ax + ay * ay, ma = n.meanX * ax + n.meanY * ay;
        const double disc = ma * ma - aa * (n.meanX * n.meanX + n.meanY * n.meanY - r * r);
        if (disc < 0.0) return 0.0;
        return normalBetween((-ma - std::sqrt(disc)) / aa, (-ma + std::sqrt(disc)) / aa, 0.0, 1.0);
    }
    const std::pair<double, double> axes[] = {{n.meanX, ax}, {n.meanY, ay}};
    const double halves[] = {t.width / 2, t.height / 2};
    for (int i = 0; i < 2; ++i) {
        const auto [mean, slope] = axes[i];
        if (slope == 0.0) {
            if (std::fabs(mean) > halves[i]) return 0.0;
            continue;
        }
        const double z1 = (-halves[i] - mean) / slope, z2 = (halves[i] - mean) / slope;
        lo = std::max(lo, std::min(z1, z2));
        hi = std::min(hi, std::max(z1, z2));
    }
    return lo < hi ? normalBetween(lo, hi, 0.0, 1.0) : 0.0;
}

// A circle of radius r about the origin; the impact's axes u (deviation su) and v (sv).
double circleChance(double r, double mu, double su, double mv, double sv) {
    const double lo = std::max(-r, mu - kTails * su), hi = std::min(r, mu + kTails * su);
    if (lo >= hi) return 0.0;
    // u = r sin(angle) keeps the integrand smooth at the circle's edge.
    const auto f = [&](double angle) {
        const double half = r * std::cos(angle);
        return normalDensity(r * std::sin(angle), mu, su) * half * normalBetween(-half, half, mv, sv);
    };
    return integrate(f, std::asin(lo / r), std::asin(hi / r));
}

double rectangleChance(const ImpactNormal& n, double halfX, double halfY) {
    const double sx = std::sqrt(n.varX);
    const double lo = std::max(-halfX, n.meanX - kTails * sx), hi = std::min(halfX, n.meanX + kTails * sx);
    if (lo >= hi) return 0.0;
    const double slope = n.covXY / n.varX, sy = std::sqrt(std::max(0.0, n.varY - slope * n.covXY));
    const auto f = [&](double x) {
        return normalDensity(x, n.meanX, sx) * normalBetween(-halfY, halfY, n.meanY + slope * (x - n.meanX), sy);
    };
    return integrate(f, lo, hi);
}

}  // namespace

double normalCdf(double z) { return 0.5 * std::erfc(-z / std::numbers::sqrt2); }

namespace {

// The integrals keep to within their tolerance, a hair over 1 at most.
double chanceOf(const ImpactNormal& n, const HitTarget& target) {
    const double half = (n.varX + n.varY) / 2, diff = (n.varX - n.varY) / 2;
    const double root = std::sqrt(diff * diff + n.covXY * n.covXY);
    const double major = half + root, minor = std::max(0.0, half - root);
    if (!(major > 0.0)) return target.contains(n.meanX, n.meanY) ? 1.0 : 0.0;
    // The major axis: of the two forms of the eigenvector, the one far from zero.
    double ux = major - n.varY, uy = n.covXY;
    if (std::hypot(n.covXY, major - n.varX) > std::hypot(ux, uy)) ux = n.covXY, uy = major - n.varX;
    const double length = std::hypot(ux, uy);
    ux = length > 0.0 ? ux / length : 1.0;  // a round spread: any axis will do
    uy = length > 0.0 ? uy / length : 0.0;
    if (minor <= kFlat * major) return lineChance(n, ux * std::sqrt(major), uy * std::sqrt(major), target);
    if (target.shape == HitTarget::Shape::Rectangle) {
        if (n.varX >= n.varY) return rectangleChance(n, target.width / 2, target.height / 2);
        return rectangleChance({n.meanY, n.meanX, n.varY, n.covXY, n.varX}, target.height / 2, target.width / 2);
    }
    const double mu = n.meanX * ux + n.meanY * uy, mv = -n.meanX * uy + n.meanY * ux;
    return circleChance(target.width / 2, mu, std::sqrt(major), mv, std::sqrt(minor));
}

}  // namespace

double hitChance(const ImpactNormal& n, const HitTarget& target) { return std::clamp(chanceOf(n, target), 0.0, 1.0); }

}  // namespace vorlan
