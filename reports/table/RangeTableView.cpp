#include "reports/table/RangeTableView.h"

#include <cmath>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "engine/Atmosphere.h"
#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "reports/table/TableUnits.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
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
    {NC_("table column", "Range"), [](const TableView& v) { return names(v).range; }, 8,
     [](const RowCells& r, const TableView& v, std::string& t, int w) {
         appendFixed(t, r.shown.range, w, v.units == UnitSystem::Metric ? 1 : 0);
     }},
    {NC_("table column", "Drop"), [](const TableView& v) { return names(v).small; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.drop, w, 2); }},
    {NC_("table column", "Velocity"), [](const TableView& v) { return names(v).velocity; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.velocity, w, 1); }},
    {NC_("table column", "Energy"), [](const TableView& v) { return names(v).energy; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.energy, w, 1); }},
    {NC_("table column", "Momentum"), [](const TableView& v) { return names(v).momentum; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.momentum, w, 4); }},
    {NC_("table column", "Windage"), [](const TableView& v) { return names(v).small; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.windage, w, 2); }},
    {NC_("table column", "Lead"), [](const TableView& v) { return names(v).small; }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.lead, w, 1); }},
    {NC_("table column", "Time"), [](const TableView&) { return std::string_view(NC_("table column", "secs")); }, 8,
     [](const RowCells& r, const TableView&, std::string& t, int w) { appendFixed(t, r.shown.time, w, 3); }},
    {NC_("table column", "Elevation"), [](const TableView&) { return std::string_view(NC_("table column", "moa")); },
     11,
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
    {NC_("table column", "Elev."), [](const TableView&) { return std::string_view(NC_("table column", "MOA")); }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.elevation, &Hold::moa, 'U', 'D', 2, w);
     }},
    {NC_("table column", "Elev."), [](const TableView&) { return std::string_view(NC_("table column", "mil")); }, 9,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.elevation, &Hold::mil, 'U', 'D', 2, w);
     }},
    {NC_("table column", "Elev."), [](const TableView&) { return std::string_view(NC_("table column", "clicks")); }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.elevation, &Hold::clicks, 'U', 'D', 1, w);
     }},
    {NC_("table column", "Wind."), [](const TableView&) { return std::string_view(NC_("table column", "MOA")); }, 10,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.windage, &Hold::moa, 'R', 'L', 2, w);
     }},
    {NC_("table column", "Wind."), [](const TableView&) { return std::string_view(NC_("table column", "mil")); }, 9,
     [](const RowCells& r, const TableView&, std::string& t, int w) {
         holdCell(t, r.windage, &Hold::mil, 'R', 'L', 2, w);
     }},
    {NC_("table column", "Wind."), [](const TableView&) { return std::string_view(NC_("table column", "clicks")); }, 10,
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
     {NC_("table column", "Spin"), [](const TableView& v) { return names(v).small; }, 10,
      [](const RowCells& r, const TableView& v, std::string& t, int w) {
          effectCell(r, &EffectParts::spinDrift, v, t, w);
      }}},
    {[](const AdvancedEffects& e) { return e.coriolis; },
     {NC_("table column", "Cor. H"), [](const TableView& v) { return names(v).small; }, 10,
      [](const RowCells& r, const TableView& v, std::string& t, int w) {
          effectCell(r, &EffectParts::coriolisHorizontal, v, t, w);
      }}},
    {[](const AdvancedEffects& e) { return e.coriolis; },
     {NC_("table column", "Cor. V"), [](const TableView& v) { return names(v).small; }, 10,
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

// A heading over its column, right-aligned by characters: a translated one may hold UTF-8.
std::string headingLine(const TableView& view, std::span<const Column> columns, bool units, TableWords words) {
    std::string text;
    for (const Column& column : columns) {
        const std::string cell = units ? "(" + std::string(words.column(std::string(column.unit(view)).c_str())) + ")"
                                       : std::string(words.column(column.title));
        const std::size_t shown = characterCount(cell);
        if (shown < static_cast<std::size_t>(column.width)) text.append(column.width - shown, ' ');
        text += cell;
    }
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
std::vector<std::string> viewLines(const TableView& view, TableWords words) {
    std::vector<std::string> lines;
    const char* units = view.units == UnitSystem::Metric
                            ? N_("metric units (m, cm, m/sec, joules, N-sec, grams, deg. C, hPa, km/h)")
                            : N_("imperial units");
    if (view.holds) {
        lines.push_back(words(N_("View:\t\tHolds, %1"), {words(units)}));
        lines.push_back(words(N_("\t\tElevation and windage to dial, in true MOA (1/60 degree), mil (1/1000 radian)")));
        lines.push_back(
            words(N_("\t\tand clicks of %1; U/D dial up/down, L/R dial left/right"), {clickValueLabel(view.click)}));
    } else {
        lines.push_back(words(N_("View:\t\tRange table, %1"), {words(units)}));
        lines.push_back(words(N_("\t\tElevation (moa) is the drop in inches per 100 yards, as in the designed table")));
    }
    return lines;
}

// The inputs in metric units; the muzzle angle and sectional density keep their own.
std::vector<std::string> metricShotLines(const ShotParameters& shot, const RangeTableReport& report, TableWords words) {
    const double density = report.airDensity();
    return {
        words(N_("BC:\t\t%1\tTemperature:\t%2 deg. C\tCant Angle:\t%3 deg."),
              {coefficientText(shot), cFormat("%5.1f", fahrenheitToCelsius(shot.temperature)),
               cFormat("%6.1f", shot.cantAngle)}),
        words(N_("Weight:\t\t%1 grams\tHumidity:\t%2 %\t\tSight-In Range:\t%3 m"),
              {cFormat("%-.2f", grainsToGrams(shot.weight)), cFormat("%5.0f", shot.relativeHumidity),
               cFormat("%6.1f", yardsToMetres(shot.sightInRange))}),
        words(N_("Caliber:\t%1\t\tPressure:\t%2 hPa %3\tMuzzle Angle:%4 moa"),
              {cFormat("%-4s", shot.caliber.c_str()), cFormat("%6.1f", inchesHgToHectopascals(shot.pressure)),
               shot.stationPressure ? words(N_("(stn)")) : "", cFormat("%9.3f", report.muzzleAngleMoa())}),
        words(N_("Sight Height:\t%1 cm\t\tCrosswind:\t%2 km/h\tTargetSpeed:\t%3 km/h"),
              {cFormat("%.2f", inchesToCentimetres(shot.sightHeight)), cFormat("%5.1f", mphToKmh(shot.crosswind)),
               cFormat("%6.1f", mphToKmh(shot.targetSpeed))}),
        words(N_("LOS Angle:\t%1 degrees\tAltitude:\t%2 m\t\tTarget Angle:\t%3 deg."),
              {cFormat("%.1f", shot.losAngle), cFormat("%5.0f", feetToMetres(shot.altitude)),
               cFormat("%6.1f", shot.targetDirection)}),
        words(N_("Sect. Density:\t%1\t\tAir Density:   %2 kg/m^3"),
              {sectionalDensityText(shot), cFormat("%6.4f", lbPerCubicFootToKgPerCubicMetre(density))}),
        seaLevelDensityLine(density, words),
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
                               const std::function<void(std::string&&)>& take, TableWords words) {
    if (view.isDesigned()) return forEachRangeTableLine(shot, report, take, words);
    take(tableNameLine(shot, words));
    for (std::string& line : viewLines(view, words)) take(std::move(line));
    take(std::string());
    const bool metric = view.units == UnitSystem::Metric;
    for (std::string& line : metric ? metricShotLines(shot, report, words) : shotHeaderLines(shot, report, words))
        take(std::move(line));
    forEachEffectsLine(report.tableTrajectory(), take, words, view.units);
    // So does the reason a table ends before its last increment, in the view's units.
    if (std::string end = tableEndNote(shot, report, words, view.units); !end.empty()) take(std::move(end));
    take(std::string());
    const std::vector<EffectParts> parts =
        view.holds ? report.printedEffectParts(view.units) : std::vector<EffectParts>();
    const std::vector<TrajectoryPoint> rows = report.printedRows(view.units);
    const bool withParts = !parts.empty() && parts.size() >= rows.size();
    const std::vector<Column> columns = columnsOf(view, withParts ? &report.tableTrajectory().advanced : nullptr);
    take(headingLine(view, columns, false, words));
    take(headingLine(view, columns, true, words));
    take(std::string());
    for (std::size_t i = 0; i < rows.size(); ++i)
        take(viewRow(rows[i], withParts ? &parts[i] : nullptr, view, columns));
    take(std::string());
}

std::vector<std::string> rangeTableViewLines(const ShotParameters& shot, const RangeTableReport& report,
                                             const TableView& view, TableWords words) {
    std::vector<std::string> lines;
    forEachRangeTableViewLine(
        shot, report, view, [&](std::string&& line) { lines.push_back(std::move(line)); }, words);
    return lines;
}

}  // namespace vorlan
