#include "shot/TruingSolver.h"

#include <algorithm>
#include <cmath>

namespace vorlan::truing {

std::vector<double> scaledResiduals(const std::vector<Reading>& readings, const std::vector<double>& predicted) {
    std::vector<double> r(readings.size());
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = (readings[i].observed - predicted[i]) / readings[i].sigma;
    return r;
}

double sumOfSquares(const std::vector<double>& r) {
    double sum = 0.0;
    for (double x : r) sum += x * x;
    return std::isnan(sum) ? HUGE_VAL : sum;
}

namespace {

// Solves A x = b for a symmetric positive definite A by Cholesky; false when A is singular or
// too near it to trust.
bool choleskySolve(Matrix a, std::vector<double>& x) {
    const std::size_t n = a.size();
    double largest = 0.0;
    for (std::size_t i = 0; i < n; ++i) largest = std::max(largest, a[i][i]);
    for (std::size_t j = 0; j < n; ++j) {
        double d = a[j][j];
        for (std::size_t k = 0; k < j; ++k) d -= a[j][k] * a[j][k];
        if (!(d > 1e-12 * largest)) return false;
        a[j][j] = std::sqrt(d);
        for (std::size_t i = j + 1; i < n; ++i) {
            double s = a[i][j];
            for (std::size_t k = 0; k < j; ++k) s -= a[i][k] * a[j][k];
            a[i][j] = s / a[j][j];
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k < i; ++k) x[i] -= a[i][k] * x[k];
        x[i] /= a[i][i];
    }
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t k = i + 1; k < n; ++k) x[i] -= a[k][i] * x[k];
        x[i] /= a[i][i];
    }
    return true;
}

std::vector<double> asVector(const Values& v) {
    std::vector<double> p{v.velocity};
    p.insert(p.end(), v.factors.begin(), v.factors.end());
    return p;
}

Values asValues(const std::vector<double>& p) { return {p[0], std::vector<double>(p.begin() + 1, p.end())}; }

constexpr double kVelocityNudge = 0.5;  // ft/s
constexpr double kFactorNudge = 0.001;
constexpr int kMaxIterations = 40;

}  // namespace

Fit fitValues(Predictor& predictor, const std::vector<Reading>& readings, const ScaleShape& shape, Values start) {
    std::vector<double> p = asVector(start);
    const std::size_t n = p.size();
    std::vector<double> predicted = predictor.predict(start, shape);
    std::vector<double> r = scaledResiduals(readings, predicted);
    double chi = sumOfSquares(r);
    double lambda = 1e-3;
    Fit fit;
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        Matrix jacobian(readings.size(), std::vector<double>(n));
        for (std::size_t k = 0; k < n; ++k) {
            std::vector<double> nudged = p;
            const double h = k == 0 ? kVelocityNudge : kFactorNudge;
            nudged[k] += h;
            const std::vector<double> moved = predictor.predict(asValues(nudged), shape);
            for (std::size_t i = 0; i < readings.size(); ++i)
                jacobian[i][k] = (moved[i] - predicted[i]) / h / readings[i].sigma;
        }
        fit.normal.assign(n, std::vector<double>(n, 0.0));
        std::vector<double> gradient(n, 0.0);
        for (std::size_t i = 0; i < readings.size(); ++i)
            for (std::size_t a = 0; a < n; ++a) {
                gradient[a] += jacobian[i][a] * r[i];
                for (std::size_t b = 0; b < n; ++b) fit.normal[a][b] += jacobian[i][a] * jacobian[i][b];
            }
        bool improved = false;
        double change = 0.0;
        while (lambda < 1e10 && !improved) {
            Matrix damped = fit.normal;
            for (std::size_t a = 0; a < n; ++a) damped[a][a] *= 1.0 + lambda;
            std::vector<double> step = gradient;
            if (!choleskySolve(damped, step)) {
                fit.singular = true;
                return fit;
            }
            std::vector<double> trial = p;
            for (std::size_t a = 0; a < n; ++a) trial[a] += step[a];
            trial[0] = std::clamp(trial[0], 100.0, 6000.0);
            for (std::size_t a = 1; a < n; ++a) trial[a] = std::clamp(trial[a], 0.2, 5.0);
            const std::vector<double> trialPredicted = predictor.predict(asValues(trial), shape);
            const std::vector<double> trialR = scaledResiduals(readings, trialPredicted);
            const double trialChi = sumOfSquares(trialR);
            if (trialChi <= chi) {
                change = chi - trialChi;
                for (std::size_t a = 0; a < n; ++a)
                    change = std::max(change, std::fabs(trial[a] - p[a]) / (a == 0 ? kVelocityNudge : kFactorNudge));
                p = trial;
                predicted = trialPredicted;
                r = trialR;
                chi = trialChi;
                lambda = std::max(lambda / 10.0, 1e-7);
                improved = true;
            } else {
                lambda *= 10.0;
            }
        }
        if (!improved || change < 1e-3) break;
    }
    fit.values = asValues(p);
    fit.predicted = predicted;
    std::vector<double> unused(n, 0.0);
    fit.singular = !choleskySolve(fit.normal, unused);
    return fit;
}

// The diagonal of the inverse of a positive definite matrix.
std::vector<double> inverseDiagonal(const Matrix& a) {
    std::vector<double> diagonal(a.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        std::vector<double> column(a.size(), 0.0);
        column[k] = 1.0;
        choleskySolve(a, column);
        diagonal[k] = column[k];
    }
    return diagonal;
}

}  // namespace vorlan::truing
