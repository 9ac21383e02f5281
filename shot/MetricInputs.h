#pragma once
// The figures of a shot typed in metric units, kept beside the designed values they were
// converted to: a designed value in its file's format cannot always carry them (100 m is
// 109.3613 yd, which "Sight-In Range:%.0f" writes as 109). Each counts only while its designed
// value is still the one it converts to (shot/MetricShotKeys.h), so a value changed in the
// designed unit leaves its metric figure behind.

#include <optional>

namespace vorlan {

struct MetricInputs {
    std::optional<double> velocity;        // m/s
    std::optional<double> weight;          // g
    std::optional<double> sightHeight;     // cm
    std::optional<double> sightInRange;    // m
    std::optional<double> rangeIncrement;  // m, a whole number
    std::optional<double> targetRange;     // m
    std::optional<double> pressure;        // hPa
    bool operator==(const MetricInputs&) const = default;
};

}  // namespace vorlan
