#include "engine/TrajectoryRows.h"

namespace vorlan {

namespace {

double between(double x, double y, double f) { return x + (y - x) * f; }

}  // namespace

std::optional<TrajectoryPoint> rowAt(const std::vector<TrajectoryPoint>& rows, double yards) {
    return readAtYards(rows, yards, [yards](const TrajectoryPoint& a, const TrajectoryPoint& b, double f) {
        return TrajectoryPoint{yards,
                               between(a.velocity, b.velocity, f),
                               between(a.energy, b.energy, f),
                               between(a.momentum, b.momentum, f),
                               between(a.drop, b.drop, f),
                               between(a.windage, b.windage, f),
                               between(a.lead, b.lead, f),
                               between(a.time, b.time, f)};
    });
}

std::optional<EffectParts> effectPartsAt(const std::vector<EffectParts>& parts, double yards) {
    return readAtYards(parts, yards, [](const EffectParts& a, const EffectParts& b, double f) {
        return EffectParts{between(a.spinDrift, b.spinDrift, f), between(a.coriolisHorizontal, b.coriolisHorizontal, f),
                           between(a.coriolisVertical, b.coriolisVertical, f),
                           between(a.aerodynamicJump, b.aerodynamicJump, f)};
    });
}

}  // namespace vorlan
