#include "reports/table/RangeTableView.h"

#include <cmath>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "engine/Atmosphere.h"
#include "engine/DragFunction.h"
#include "reports/table/TableUnits.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ScopeProfile.h"

namespace vorlan {

namespace {

// What a column's cell is made from: the row as printed, its figures in the view's units,
// and its holds (none at the muzzle).
struct RowCells {
    const TrajectoryPoint& row;
    RowInUnits shown;
    std::optional<Hold> elevation;
    std::optional<Hold> windage;
    const EffectParts* parts;  // what the advanced effects add; nullptr when none is on
};

struct Column {
    const char* title;
    std::string_view (*unit)(const TableView&);
    int width;
    void (*cell)(const RowCells&, const TableView&, std::string&, int width);
};

const UnitNames& names(const TableView& view) { return unitNames(view.units); }

void rightAligned(std::string& text, std::string_view cell, int width) {
    if (cell.size() < static_cast<std::size_t>(width)) text.append(width - cell.size(), ' ');
    text += cell;
}

void holdCell(std::string& text, const std::optional<Hold>& hold, double Hold::*part, char up, char down, int decimals,
              int width) {
    rightAligned(text, hold ? turretText((*hold).*part, up, down, decimals) : "-----", width);
}

// The designed table's columns in the view's units.
constexpr Column kTableColumns[] = {
    {"Range", [](const TableView& v) { return names(v).range; }, 8,
     [](const RowCells& r, const TableView& v, std::string& t, int w) {
         appendFixed(t, r.shown.range, w, v.units == UnitSystem::Metric ? 1 : 0);
     }},
    {"Drop", [](const TableView& v) { return names(v).small; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.drop, w, 2); }},
    {"Velocity", [](const TableView& v) { return names(v).velocity; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.velocity, w, 1); }},
    {"Energy", [](const TableView& v) { return names(v).energy; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.energy, w, 1); }},
    {"Momentum", [](const TableView& v) { return names(v).momentum; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.momentum, w, 4); }},
    {"Windage", [](const TableView& v) { return names(v).small; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.windage, w, 2); }},
    {"Lead", [](const TableView& v) { return names(v).small; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.lead, w, 1); }},
    {"Time", [](const TableView&) { return std::string_view("secs"); }, 8,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.time, w, 3); }},
    {"Elevation", [](const TableView&) { return std::string_view("moa"); }, 11,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         if (r.row.range > 0.0)
             appendFixed(t, designedElevation(r.row), w, 2);
         else
             rightAligned(t, "-----", w);
     }},
};

// Range, drop, windage, velocity and time, then the elevation and windage to dial.
constexpr Column kHoldColumns[] = {
    kTableColumns[0],  // range
    kTableColumns[1],  // drop
    kTableColumns[5],  // windage
    kTableColumns[2],  // velocity
    kTableColumns[7],  // time
    {"Elev.", [](const TableView&) { return std::string_view("MOA"); }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.elevation, &Hold::moa, 'U', 'D', 2, w);
     }},
    {"Elev.", [](const TableView&) { return std::string_view("mil"); }, 9,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.elevation, &Hold::mil, 'U', 'D', 2, w);
     }},
    {"Elev.", [](const TableView&) { return std::string_view("clicks"); }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.elevation, &Hold::clicks, 'U', 'D', 1, w);
     }},
    {"Wind.", [](const TableView&) { return std::string_view("MOA"); }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.windage, &Hold::moa, 'R', 'L', 2, w);
     }},
    {"Wind.", [](const TableView&) { return std::string_view("mil"); }, 9,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.windage, &Hold::mil, 'R', 'L', 2, w);
     }},
    {"Wind.", [](const TableView&) { return std::string_view("clicks"); }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.windage, &Hold::clicks, 'R', 'L', 1, w);
     }},
};

// A part of the windage or drop that an advanced effect adds (feet, right and up positive).
void effectCell(const RowCells& r, double EffectParts::*part, const TableView& v, std::string& t, int w) {
    const double inches = r.parts->*part * 12.0;
    appendFixed(t, v.units == UnitSystem::Metric ? inchesToCentimetres(inches) : inches, w, 2);
}

// With spin or the Earth's rotation on, the holds show how much of the windage and drop is
// spin drift and the Earth's rotation; an effect that is off has no column of zeros.
struct EffectColumn {
    bool (*on)(const AdvancedEffects&);
    Column column;
};
constexpr EffectColumn kEffectColumns[] = {
    {[](const AdvancedEffects& e) { return e.spinDriftOn(); },
     {"Spin", [](const TableView& v) { return names(v).small; }, 10,
      [](const RowCells& r, const TableView& v, std::string& t, int w) {
          effectCell(r, &EffectParts::spinDrift, v, t, w);
      }}},
    {[](const AdvancedEffects& e) { return e.coriolis; },
     {"Cor. H", [](const TableView& v) { return names(v).small; }, 10,
      [](const RowCells& r, const TableView& v, std::string& t, int w) {
          effectCell(r, &EffectParts::coriolisHorizontal, v, t, w);
      }}},
    {[](const AdvancedEffects& e) { return e.coriolis; },
     {"Cor. V", [](const TableView& v) { return names(v).small; }, 10,
      [](const RowCells& r, const TableView& v, std::string& t, int w) {
          effectCell(r, &EffectParts::coriolisVertical, v, t, w);
      }}},
};

// The view's columns; `effects` are those flown when the rows have their effect parts.
std::vector<Column> columnsOf(const TableView& view, const AdvancedEffects* effects) {
    if (!view.holds) return {std::begin(kTableColumns), std::end(kTableColumns)};
    std::vector<Column> columns(std::begin(kHoldColumns), std::end(kHoldColumns));
    if (effects)
        for (const EffectColumn& c : kEffectColumns)
            if (c.on(*effects)) columns.push_back(c.column);
    return columns;
}

std::string headingLine(const TableView& view, std::span<const Column> columns, bool units) {
    std::string text;
    for (const Column& column : columns)
        rightAligned(text, units ? "(" + std::string(column.unit(view)) + ")" : std::string(column.title),
                     column.width);
    return text;
}

std::string viewRow(const TrajectoryPoint& row, const EffectParts* parts, const TableView& view,
                    std::span<const Column> columns) {
    const RowCells cells{row, rowInUnits(row, view.units),
                         holdFor(elevationCorrectionInches(row.drop), row.range, view.click),
                         holdFor(windageCorrectionInches(row.windage), row.range, view.click), parts};
    std::string text;
    text.reserve(144);
    for (const Column& column : columns) column.cell(cells, view, text, column.width);
    return text;
}

// What the view shows, in words, under the name line.
std::vector<std::string> viewLines(const TableView& view) {
    std::vector<std::string> lines;
    const std::string units = view.units == UnitSystem::Metric
                                  ? "metric units (m, cm, m/sec, joules, N-sec, grams, deg. C, hPa, km/h)"
                                  : "imperial units";
    if (view.holds) {
        lines.push_back("View:\t\tHolds, " + units);
        lines.push_back("\t\tElevation and windage to dial, in true MOA (1/60 degree), mil (1/1000 radian)");
        lines.push_back("\t\tand clicks of " + clickValueLabel(view.click) + "; U/D dial up/down, L/R dial left/right");
    } else {
        lines.push_back("View:\t\tRange table, " + units);
        lines.push_back("\t\tElevation (moa) is the drop in inches per 100 yards, as in the designed table");
    }
    return lines;
}

// The inputs in metric units; the muzzle angle and sectional density keep their own.
std::vector<std::string> metricShotLines(const ShotParameters& shot, const RangeTableReport& report) {
    const double density = report.airDensity();
    return {
        "BC:\t\t" + coefficientText(shot) +
            cFormat("\tTemperature:\t%5.1f deg. C\tCant Angle:\t%6.1f deg.", fahrenheitToCelsius(shot.temperature),
                    shot.cantAngle),
        cFormat("Weight:\t\t%-.2f grams\tHumidity:\t%5.0f %%\t\tSight-In Range:\t%6.1f m", grainsToGrams(shot.weight),
                shot.relativeHumidity, yardsToMetres(shot.sightInRange)),
        cFormat("Caliber:\t%-4s\t\tPressure:\t%6.1f hPa ", shot.caliber.c_str(),
                inchesHgToHectopascals(shot.pressure)) +
            (shot.stationPressure ? "(stn)" : "") + cFormat("\tMuzzle Angle:%9.3f moa", report.muzzleAngleMoa()),
        cFormat("Sight Height:\t%.2f cm\t\tCrosswind:\t%5.1f km/h\tTargetSpeed:\t%6.1f km/h",
                inchesToCentimetres(shot.sightHeight), mphToKmh(shot.crosswind), mphToKmh(shot.targetSpeed)),
        cFormat("LOS Angle:\t%.1f degrees\tAltitude:\t%5.0f m\t\tTarget Angle:\t%6.1f deg.", shot.losAngle,
                feetToMetres(shot.altitude), shot.targetDirection),
        "Sect. Density:\t" + sectionalDensityText(shot) +
            cFormat("\t\tAir Density:   %6.4f kg/m^3", lbPerCubicFootToKgPerCubicMetre(density)),
        cFormat("\t\t\t\tAir Density:\t%5.1f %% of Sea Level", density / kStandardDensity * 100.0),
    };
}

}  // namespace

std::string turretText(double correction, char up, char down, int decimals) {
    std::string digits;
    appendFixed(digits, std::fabs(correction), 0, decimals);
    if (digits.find_first_not_of("0.") == std::string::npos) return digits;
    return std::string(1, correction > 0.0 ? up : down) + " " + digits;
}

void forEachRangeTableViewLine(const ShotParameters& shot, const RangeTableReport& report, const TableView& view,
                               const std::function<void(std::string&&)>& take) {
    if (view.isDesigned()) return forEachRangeTableLine(shot, report, take);
    take("Name: " + shot.name + "\r\n");
    for (std::string& line : viewLines(view)) take(std::move(line));
    take(std::string());
    const bool metric = view.units == UnitSystem::Metric;
    for (std::string& line : metric ? metricShotLines(shot, report) : shotHeaderLines(shot, report))
        take(std::move(line));
    forEachEffectsLine(report.tableTrajectory(), take);
    take(std::string());
    const std::vector<EffectParts> parts =
        view.holds ? report.printedEffectParts(view.units) : std::vector<EffectParts>();
    const std::vector<TrajectoryPoint> rows = report.printedRows(view.units);
    const bool withParts = !parts.empty() && parts.size() >= rows.size();
    const std::vector<Column> columns = columnsOf(view, withParts ? &report.tableTrajectory().advanced : nullptr);
    take(headingLine(view, columns, false));
    take(headingLine(view, columns, true));
    take(std::string());
    for (std::size_t i = 0; i < rows.size(); ++i)
        take(viewRow(rows[i], withParts ? &parts[i] : nullptr, view, columns));
    take(std::string());
}

std::vector<std::string> rangeTableViewLines(const ShotParameters& shot, const RangeTableReport& report,
                                             const TableView& view) {
    std::vector<std::string> lines;
    forEachRangeTableViewLine(shot, report, view, [&](std::string&& line) { lines.push_back(std::move(line)); });
    return lines;
}

}  // namespace vorlan
