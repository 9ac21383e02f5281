#include "shot/Observations.h"

#include <algorithm>
#include <array>

#include "engine/Catalogue.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/CLocaleNumbers.h"
#include "shot/SafeFile.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan {

const ObservationColumn kObservationColumns[9] = {
    {"range_yd", &Observation::range},     {"up_moa", &Observation::upMoa},
    {"up_mil", &Observation::upMil},       {"up_clicks", &Observation::upClicks},
    {"drop_in", &Observation::dropInches}, {"velocity_fps", &Observation::velocity},
    {"time_s", &Observation::time},        {"sigma_moa", &Observation::sigmaMoa},
    {"sigma_fps", &Observation::sigmaFps},
};

namespace {

constexpr std::string_view kObservationsKey = "Observations:";
constexpr std::string_view kDragScaleKey = "Drag Scale:";

// Each column's bounds; the uncertainties must also be above their lower bound.
struct Bounds {
    double lowest, highest;
    const char* unit;
};
constexpr std::array<Bounds, 9> kBounds = {{
    {1, 5000, "yd"},
    {-600, 600, "MOA"},
    {-175, 175, "mil"},
    {-10000, 10000, "clicks"},
    {-2000, 2000, "in"},
    {50, 5000, "ft/s"},
    {0, 30, "s"},
    {0, 60, "MOA"},
    {0, 1000, "ft/s"},
}};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\"");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r\"");
    return text.substr(first, last - first + 1);
}

// The whole cell as a number; a blank cell or "-" is NaN.
bool parseCell(std::string_view cell, double& value) {
    cell = trimmed(cell);
    value = std::nan("");
    if (cell.empty() || cell == "-") return true;
    const std::optional<double> number = wholeNumber(cell);
    if (number) value = *number;
    return number.has_value();
}

std::vector<std::string_view> splitCells(std::string_view line, std::string_view separators) {
    std::vector<std::string_view> cells;
    for (;;) {
        const std::size_t end = line.find_first_of(separators);
        cells.push_back(line.substr(0, end));
        if (end == std::string_view::npos) return cells;
        line.remove_prefix(end + 1);
    }
}

// The columns a header row names, or an error.
std::string headerColumns(const std::vector<std::string_view>& cells, std::vector<int>& columns) {
    columns.clear();
    for (std::string_view cell : cells) {
        const std::string_view name = trimmed(cell);
        const auto* found = std::find_if(std::begin(kObservationColumns), std::end(kObservationColumns),
                                         [&](const ObservationColumn& c) { return c.name == name; });
        if (found == std::end(kObservationColumns))
            return translated(
                "unknown column \"%1\"; the columns are range_yd, up_moa, up_mil, up_clicks, drop_in, "
                "velocity_fps, time_s, sigma_moa and sigma_fps",
                {name});
        const int index = static_cast<int>(found - std::begin(kObservationColumns));
        if (std::find(columns.begin(), columns.end(), index) != columns.end())
            return translated("column %1 is named twice", {name});
        columns.push_back(index);
    }
    if (std::find(columns.begin(), columns.end(), 0) == columns.end())
        return translated("the header needs a range_yd column");
    return {};
}

// One row of cells in the header's columns, or an error.
std::string rowObservation(const std::vector<std::string_view>& cells, const std::vector<int>& columns,
                           Observation& observation) {
    if (cells.size() > columns.size()) return translated("more cells than the header has columns");
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const ObservationColumn& column = kObservationColumns[columns[i]];
        if (!parseCell(cells[i], observation.*column.member))
            return translated("\"%1\" in column %2 is not a number", {trimmed(cells[i]), column.name});
    }
    return observationProblem(observation);
}

// A header row sets the columns; any other adds its observation; an error when it does not read.
std::string readRow(const std::vector<std::string_view>& cells, std::vector<int>& columns,
                    std::vector<Observation>& observations) {
    if (columns.empty()) return headerColumns(cells, columns);
    Observation observation;
    std::string error = rowObservation(cells, columns, observation);
    if (error.empty()) observations.push_back(observation);
    return error;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The reader's limits, each told on the line that passes it.
std::string csvLineProblem(std::string_view line, long number) {
    if (number > kMaxLines)
        return translated("more than %1 lines, more than a table of observations holds", {std::to_string(kMaxLines)});
    if (line.size() > kMaxLineBytes)
        return translated("the line is longer than %1 MiB", {std::to_string(kMaxLineBytes >> 20)});
    if (line.find('\0') != std::string_view::npos) return translated("a NUL byte: this is no text file");
    return {};
}

// A row with semicolons or tabs between its cells may write its decimals with commas
// ("300;4,7"); in one without them, commas part the cells.
std::vector<std::string> csvCells(std::string_view line) {
    const bool commaDecimals = line.find_first_of(";\t") != std::string_view::npos;
    std::vector<std::string> cells;
    for (std::string_view cell : splitCells(line, commaDecimals ? ";\t" : ",")) {
        std::string text(cell);
        if (commaDecimals) std::replace(text.begin(), text.end(), ',', '.');
        cells.push_back(std::move(text));
    }
    return cells;
}

// The columns that hold a value in some observation; the range always.
std::vector<int> usedColumns(const std::vector<Observation>& observations) {
    std::vector<int> columns;
    for (int i = 0; i < 9; ++i) {
        const bool used = i == 0 || std::any_of(observations.begin(), observations.end(), [&](const Observation& o) {
                              return !std::isnan(o.*kObservationColumns[i].member);
                          });
        if (used) columns.push_back(i);
    }
    return columns;
}

std::string cellText(double value) { return std::isnan(value) ? std::string() : cFormat("%.10g", value); }

// The observations as rows of cells joined by `cell`, rows ended by `row` (the last one too
// when `endLast`), blank cells as `blank`.
std::string tableText(const std::vector<Observation>& observations, char cell, std::string_view row, bool endLast,
                      std::string_view blank) {
    const std::vector<int> columns = usedColumns(observations);
    std::string text;
    for (std::size_t c = 0; c < columns.size(); ++c)
        text.append(c ? std::string(1, cell) : std::string()).append(kObservationColumns[columns[c]].name);
    for (const Observation& o : observations) {
        text.append(row);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string value = cellText(o.*kObservationColumns[columns[c]].member);
            if (c) text += cell;
            text.append(value.empty() ? std::string(blank) : value);
        }
    }
    if (endLast) text.append(row);
    return text;
}

}  // namespace

bool Observation::observesSomething() const {
    for (double value : {upMoa, upMil, upClicks, dropInches, velocity, time})
        if (!std::isnan(value)) return true;
    return false;
}

std::pair<double, double> observationBounds(std::size_t column) {
    return {kBounds.at(column).lowest, kBounds.at(column).highest};
}

std::string observationProblem(const Observation& o, Unit distanceUnit) {
    if (std::isnan(o.range)) return translated("an observation needs a range (range_yd)");
    const std::string range = cShowDouble(toShown(o.range, Quantity::Distance, distanceUnit));
    const std::string rangeUnit = translated(unitOf(Quantity::Distance, distanceUnit).label);
    for (std::size_t i = 0; i < kBounds.size(); ++i) {
        const double value = o.*kObservationColumns[i].member;
        if (std::isnan(value)) continue;
        const Bounds& b = kBounds[i];
        const bool aboveLowest = i >= 6 ? value > b.lowest : value >= b.lowest;  // a time or uncertainty of 0 is none
        const char* pattern =
            i >= 6 ? N_("%1 at %2 %6 must be above %3 to %4 %5") : N_("%1 at %2 %6 must be from %3 to %4 %5");
        if (!aboveLowest || !(value <= b.highest))
            return translated(pattern, {kObservationColumns[i].name, range, cShowDouble(b.lowest),
                                        cShowDouble(b.highest), b.unit, rangeUnit});
    }
    if (!o.observesSomething())
        return translated("the observation at %1 %2 needs a hold, a drop, a velocity or a time", {range, rangeUnit});
    return {};
}

ObservationTable parseObservationsCsv(std::string_view text) {
    ObservationTable table;
    std::vector<int> columns;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    for (long lineNumber = 1; !text.empty() && table.error.empty(); ++lineNumber) {
        const std::string_view line = takeLine(text);
        std::string error = csvLineProblem(line, lineNumber);
        if (error.empty() && !trimmed(line).empty()) {
            const std::vector<std::string> cells = csvCells(line);
            error = readRow({cells.begin(), cells.end()}, columns, table.observations);
        }
        if (!error.empty()) table.error = translated("line %1: %2", {std::to_string(lineNumber), error});
    }
    if (table.error.empty() && table.observations.empty()) table.error = translated("the file holds no observation");
    if (!table.error.empty()) table.observations.clear();
    return table;
}

ObservationTable loadObservationsCsv(const std::string& path) {
    std::string bytes;
    // A byte past the limit tells a file that goes on beyond it.
    const FileOutcome outcome = readRegularFile(path, bytes, kMaxReadBytes + 1);
    if (!outcome) return {{}, translated("cannot read '%1': %2", {path, outcome.reason()})};
    if (bytes.size() > kMaxReadBytes) {
        const auto line = std::count(bytes.begin(), bytes.begin() + kMaxReadBytes, '\n') + 1;
        return {{},
                translated("line %1: the file goes on past %2 MiB, more than a table of observations holds",
                           {std::to_string(line), std::to_string(kMaxReadBytes >> 20)})};
    }
    return parseObservationsCsv(bytes);
}

std::string observationsCsvText(const std::vector<Observation>& observations) {
    return tableText(observations, ',', "\n", true, "");
}

std::string observationsKeyText(const std::vector<Observation>& observations) {
    return observations.empty() ? std::string() : tableText(observations, ' ', ";", false, "-");
}

std::vector<Observation> parseObservationsKeyText(std::string_view text, std::string* problem) {
    std::vector<Observation> observations;
    std::vector<int> columns;
    std::size_t number = 0;
    for (std::string_view item : splitCells(text, ";")) {
        ++number;
        std::vector<std::string_view> cells;
        for (std::string_view cell : splitCells(trimmed(item), " "))
            if (!cell.empty()) cells.push_back(cell);
        if (cells.empty()) continue;
        std::string error = !columns.empty() && cells.size() != columns.size()
                                ? translated("%1 cells where the header names %2",
                                             {std::to_string(cells.size()), std::to_string(columns.size())})
                                : readRow(cells, columns, observations);
        if (error.empty()) continue;
        if (problem)
            *problem = translated("%1 item %2 (\"%3\"): %4; the whole list is left out",
                                  {kObservationsKey, std::to_string(number), trimmed(item), error});
        return {};
    }
    return observations;
}

std::string dragScaleText(const std::vector<DragScalePoint>& points) {
    std::string text;
    for (const DragScalePoint& p : points) {
        if (!text.empty()) text += ';';
        text += cFormat("%.10g %.10g", p.mach, p.factor);
    }
    return text;
}

std::vector<DragScalePoint> parseDragScaleText(std::string_view text, std::size_t* badItem) {
    // The same list of number pairs as a custom drag table.
    std::vector<DragScalePoint> points;
    for (const MachCd& pair : parseMachCdText(text, badItem)) points.push_back({pair.mach, pair.cd});
    return points;
}

std::string dragScaleProblem(const std::vector<DragScalePoint>& points) {
    if (points.size() > static_cast<std::size_t>(kMaxDragScalePoints))
        return translated("Drag Scale: at most %1 points", {cShowInt(kMaxDragScalePoints)});
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!(points[i].mach >= 0.0 && points[i].mach <= 20.0) ||
            !(points[i].factor >= kLowestDragScale && points[i].factor <= kHighestDragScale))
            return translated("Drag Scale: point %1 needs a Mach from 0 to 20 and a factor from %2 to %3",
                              {std::to_string(i + 1), cShowDouble(kLowestDragScale), cShowDouble(kHighestDragScale)});
        if (i > 0 && !(points[i].mach > points[i - 1].mach))
            return translated("Drag Scale: the Mach of point %1 must be above the one before", {std::to_string(i + 1)});
    }
    return {};
}

std::string dragScaleSpan(const std::vector<DragScalePoint>& points) {
    if (points.empty()) return {};
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const auto& a, const auto& b) { return a.factor < b.factor; });
    const std::string lowText = cFormat("%.2f", low->factor), highText = cFormat("%.2f", high->factor);
    return lowText == highText ? lowText : lowText + "\u2013" + highText;
}

std::string truingShotFileText(const std::vector<Observation>& observations, const AdvancedEffects& effects) {
    std::string text;
    if (!observations.empty())
        text.append(kObservationsKey).append(observationsKeyText(observations)).append(kShotLineEnd);
    if (effects.dragScaleOn()) text.append(kDragScaleKey).append(dragScaleText(effects.dragScale)).append(kShotLineEnd);
    return text;
}

bool applyTruingShotLine(std::string_view line, std::vector<Observation>& observations, AdvancedEffects& effects,
                         std::string* problem) {
    std::string told;
    if (startsWithNoCase(line, kObservationsKey)) {
        std::vector<Observation> read = parseObservationsKeyText(line.substr(kObservationsKey.size()), &told);
        if (told.empty()) observations = std::move(read);
    } else if (startsWithNoCase(line, kDragScaleKey)) {
        const std::string_view value = line.substr(kDragScaleKey.size());
        std::size_t bad = 0;
        std::vector<DragScalePoint> read = parseDragScaleText(value, &bad);
        if (bad == 0)
            effects.dragScale = std::move(read);
        else
            told = listItemProblem(kDragScaleKey, value, bad, 2);
    } else {
        return false;
    }
    if (problem && !told.empty()) *problem = std::move(told);
    return true;
}

}  // namespace vorlan
