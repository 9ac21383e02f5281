#include "engine/Holds.h"

#include <cmath>

namespace vorlan {

std::optional<double> offsetAngle(double offsetInches, double rangeYards) {
    if (!(rangeYards > 0.0)) return std::nullopt;
    return std::atan(offsetInches / (rangeYards * 36.0));
}

std::optional<Hold> holdFor(double correctionInches, double rangeYards, ClickValue click) {
    const std::optional<double> angle = offsetAngle(correctionInches, rangeYards);
    if (!angle) return std::nullopt;
    return Hold{radiansToTrueMoa(*angle), radiansToMils(*angle), *angle / clickRadians(click)};
}

}  // namespace vorlan
