#pragma once
// The range table seen another way: in metric units, or as holds (true MOA, mil and turret
// clicks for the elevation and windage to dial), each a text layout of its own with a header
// that says what it shows. The designed view (imperial, no holds) is the designed report
// itself, line for line.
//
//   RangeTableReport + TableView -> rangeTableViewLines() -> window, printer, saved text

#include <functional>
#include <string>
#include <vector>

#include "engine/Holds.h"
#include "engine/Units.h"
#include "reports/table/RangeTable.h"

namespace vorlan {

struct TableView {
    bool holds = false;                       // the holds columns instead of the designed ones
    UnitSystem units = UnitSystem::Imperial;  // metric converts every figure but the designed elevation
    ClickValue click;                         // the turret click the holds count in
    bool isDesigned() const { return !holds && units == UnitSystem::Imperial; }
    bool operator==(const TableView&) const = default;
};

// The lines of the view, shaped as rangeTableLines shapes them (the name line ends in its own
// "\r\n", tabs stay in the lines, an empty line ends the table); for the designed view they
// are rangeTableLines itself.
// `words` chooses English, as printed and saved, or the chosen language, as on screen.
std::vector<std::string> rangeTableViewLines(const ShotParameters& shot, const RangeTableReport& report,
                                             const TableView& view, TableWords words = {});
// The same lines one at a time.
void forEachRangeTableViewLine(const ShotParameters& shot, const RangeTableReport& report, const TableView& view,
                               const std::function<void(std::string&&)>& take, TableWords words = {});

// A correction as a turret reads it: "U 12.3", "D 0.4" (`up` and `down` the letters for a
// positive and a negative value), or "0.0" when it rounds to nothing at `decimals`.
std::string turretText(double correction, char up, char down, int decimals);

}  // namespace vorlan
