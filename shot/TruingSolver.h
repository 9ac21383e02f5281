#pragma once
// The weighted least-squares fit of a truing: Levenberg-Marquardt over the velocity and the
// drag factors, each residual in its reading's uncertainty, derivatives by flying the shot
// again with each value nudged, and the standard errors from the normal matrix at the end.

#include <vector>

#include "shot/TruingPredictor.h"

namespace vorlan::truing {

using Matrix = std::vector<std::vector<double>>;

// Residuals in uncertainties, (observed - predicted) / sigma.
std::vector<double> scaledResiduals(const std::vector<Reading>& readings, const std::vector<double>& predicted);
// The sum of the squares; a NaN among them (a reading the flight does not reach) is huge.
double sumOfSquares(const std::vector<double>& r);

struct Fit {
    Values values;
    Matrix normal;  // J^T J at the solution, in uncertainties
    std::vector<double> predicted;
    bool singular = false;
};

// Levenberg-Marquardt from `start`.
Fit fitValues(Predictor& predictor, const std::vector<Reading>& readings, const ScaleShape& shape, Values start);

// The diagonal of the inverse of a positive definite matrix.
std::vector<double> inverseDiagonal(const Matrix& a);

}  // namespace vorlan::truing
