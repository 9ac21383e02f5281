#pragma once
// The chance that a shot whose impact is a bivariate normal hits a target aimed at its centre:
// a circle through the offset-circle integral along the principal axes, a rectangle through
// the normal across it given each point along it, both one-dimensional integrals taken to
// well under 1e-6; a spread along one line alone (or none) in closed form.

#include "engine/HitInputs.h"

namespace vorlan {

// An impact's mean (inches right and up of the centre) and covariance (square inches).
struct ImpactNormal {
    double meanX = 0.0, meanY = 0.0;
    double varX = 0.0, covXY = 0.0, varY = 0.0;
    // Adds a spread that moves the impact by (x, y) per standard deviation.
    void addSlope(double x, double y) {
        varX += x * x;
        covXY += x * y;
        varY += y * y;
    }
};

double normalCdf(double z);

// P(hit) of `impact` on `target` (set).
double hitChance(const ImpactNormal& impact, const HitTarget& target);

}  // namespace vorlan
