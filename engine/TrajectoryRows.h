#pragma once
// A trajectory's rows read between the whole yards they were recorded at: a range in metres
// (50 m is 54.68 yd) falls between two of them.

#include <cmath>
#include <optional>
#include <vector>

#include "engine/TrajectorySolver.h"

namespace vorlan {

// What the every-yard `values` hold at `yards`: the value at a whole yard, else the one on the
// straight line between the yards either side (`mix` of the two and the fraction past the
// first). None beyond the last value.
template <class T, class Mix>
std::optional<T> readAtYards(const std::vector<T>& values, double yards, Mix mix) {
    const double below = std::floor(yards);
    if (values.empty() || !(yards >= 0.0) || below > static_cast<double>(values.size() - 1)) return std::nullopt;
    const T& a = values[static_cast<std::size_t>(below)];
    if (yards == below) return a;
    if (below + 1.0 > static_cast<double>(values.size() - 1)) return std::nullopt;
    return mix(a, values[static_cast<std::size_t>(below) + 1], yards - below);
}

// The row of a table flown every yard at whole or fractional `yards` (over one yard the path's
// curvature moves the drop by well under a thousandth of an inch for a rifle).
std::optional<TrajectoryPoint> rowAt(const std::vector<TrajectoryPoint>& rows, double yards);
// What the advanced effects add there.
std::optional<EffectParts> effectPartsAt(const std::vector<EffectParts>& parts, double yards);

}  // namespace vorlan
