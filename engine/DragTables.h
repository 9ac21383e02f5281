#pragma once
// The constant point data of the ten tabulated drag functions, indexed as DragFunction 0..9.

#include <cstddef>
#include <iterator>

namespace vorlan::dragtables {

struct DragPoint {
    double mach;
    double cd;
    bool operator==(const DragPoint&) const = default;
};

struct DragTable {
    const DragPoint* points;
    std::size_t count;
};

inline constexpr std::size_t kTableCount = 10;
extern const DragTable kTables[kTableCount];

}  // namespace vorlan::dragtables
