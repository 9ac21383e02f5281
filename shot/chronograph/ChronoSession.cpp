#include "shot/chronograph/ChronoSession.h"

#include <algorithm>
#include <cmath>

#include "engine/Catalogue.h"
#include "engine/Units.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

// One cell of a line, with whether it was quoted (then a comma in it is a thousands separator).
struct Cell {
    std::string text;
    bool quoted = false;
};

std::vector<Cell> cellsOf(std::string_view line, char separator) {
    std::vector<Cell> cells(1);
    bool inQuotes = false;
    for (const char c : line) {
        if (c == '"') {
            inQuotes = !inQuotes;
            cells.back().quoted = true;
        } else if (c == separator && !inQuotes) {
            cells.emplace_back();
        } else {
            cells.back().text += c;
        }
    }
    for (Cell& cell : cells) cell.text = std::string(trimmedBlanks(cell.text));
    return cells;
}

// A number cell as plain number text: a quoted one may hold thousands separators, a LabRadar
// one a decimal comma.
std::string numberText(const Cell& cell, bool decimalComma = false) {
    std::string text = cell.text;
    if (decimalComma && text.find('.') == std::string::npos)
        std::replace(text.begin(), text.end(), ',', '.');
    else if (cell.quoted)
        std::erase(text, ',');
    return text;
}

std::optional<double> numberOf(const Cell& cell, bool decimalComma = false) {
    return wholeNumber(numberText(cell, decimalComma));
}

// Half of the last printed digit of a number as the file writes it: "2.5" gives 0.05.
double roundingOf(const std::string& number) {
    const std::size_t point = number.find('.');
    const double decimals = point == std::string::npos ? 0.0 : static_cast<double>(number.size() - point - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

// The factor to ft/s of a unit's text; none for a unit not known.
std::optional<double> unitFactor(std::string_view unit) {
    std::string u;
    for (const char c : unit)
        if (c != ' ') u += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (u == "fps" || u == "ft/s" || u == "f/s") return 1.0;
    if (u == "mps" || u == "m/s") return 1.0 / kMetresPerFoot;
    return std::nullopt;
}

std::string unitName(double factor) { return factor == 1.0 ? "ft/s" : "m/s"; }

struct Lines {
    std::vector<std::string> text;
    std::vector<int> number;  // each line's number in the file, from 1
};

Lines linesOf(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    Lines lines;
    int number = 0;
    forEachShotLine(bytes, [&](std::string_view line) {
        ++number;
        if (trimmedBlanks(line).empty()) return;
        lines.text.emplace_back(line);
        lines.number.push_back(number);
    });
    return lines;
}

std::string lineError(int number, const std::string& what) {
    return translated("line %1: %2", {std::to_string(number), what});
}

// The unit in brackets at the end of a header cell: "SPEED (FPS)" gives "FPS".
std::string_view bracketedUnit(std::string_view cell) {
    const std::size_t open = cell.rfind('('), close = cell.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
    return cell.substr(open + 1, close - open - 1);
}

// A figure the file states about itself; none when its cell holds no number.
std::optional<StatedFigure> statedFigure(const Cell& cell, double factor, bool decimalComma = false) {
    const std::optional<double> value = numberOf(cell, decimalComma);
    if (!value) return std::nullopt;
    return StatedFigure{*value * factor, roundingOf(numberText(cell, decimalComma)) * factor};
}

// A shot's own number: a whole number up to a million, else its place in the file.
int shotNumberOf(const std::string& text, int place) {
    const std::optional<double> number = wholeNumber(text);
    return number && *number >= 0.0 && *number <= 1e6 && *number == std::floor(*number) ? static_cast<int>(*number)
                                                                                        : place;
}

// Adds a shot; false with the session's error set when the velocity is not a positive number.
bool addShot(ChronoSession& session, int lineNumber, int shot, std::optional<double> velocity, double factor) {
    if (!velocity || !(*velocity > 0.0 && *velocity < 100000.0)) {
        session.error = lineError(lineNumber, translated("the velocity is not a number above 0"));
        return false;
    }
    session.shots.push_back({shot, *velocity * factor});
    return true;
}

bool startsWithAny(const std::string& line, std::initializer_list<std::string_view> prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(), [&](std::string_view p) { return startsWithNoCase(line, p); });
}

// The Garmin Xero ShotView export: shots after the "#,SPEED (unit)" header down to the "-" row,
// then the summary.
void readGarmin(const Lines& lines, std::size_t header, ChronoSession& session) {
    session.format = ChronoFormat::GarminXero;
    const std::vector<Cell> heading = cellsOf(lines.text[header], ',');
    const std::string_view unit = heading.size() > 1 ? bracketedUnit(heading[1].text) : std::string_view{};
    const std::optional<double> factor = unitFactor(unit);
    if (!factor) {
        session.error = lineError(lines.number[header], translated("the speed's unit \"%1\" is not known", {unit}));
        return;
    }
    session.unit = unitName(*factor);
    bool summary = false;
    for (std::size_t i = header + 1; i < lines.text.size(); ++i) {
        const std::vector<Cell> cells = cellsOf(lines.text[i], ',');
        const Cell value = cells.size() > 1 ? cells[1] : Cell{};
        // The "-" row, or any row that is not numbered as a shot, begins the summary.
        const std::optional<double> number = wholeNumber(cells[0].text);
        summary = summary || !number;
        if (summary) {
            if (equalsNoCase(cells[0].text, "AVERAGE SPEED")) session.statedMean = statedFigure(value, *factor);
            if (equalsNoCase(cells[0].text, "STD DEV")) session.statedSd = statedFigure(value, *factor);
        } else {
            const int place = static_cast<int>(session.shots.size()) + 1;
            if (!addShot(session, lines.number[i], shotNumberOf(cells[0].text, place), numberOf(value), *factor))
                return;
        }
    }
}

// The LabRadar report: "Units velocity;fps", the "Stats - " lines and a row per shot whose
// first cell is its number.
void readLabRadar(const Lines& lines, ChronoSession& session) {
    session.format = ChronoFormat::LabRadar;
    std::optional<double> factor;
    for (std::size_t i = 0; i < lines.text.size(); ++i) {
        const std::vector<Cell> cells = cellsOf(lines.text[i], ';');
        const Cell value = cells.size() > 1 ? cells[1] : Cell{};
        if (startsWithNoCase(cells[0].text, "Units velocity")) {
            factor = unitFactor(value.text);
            if (!factor) {
                session.error =
                    lineError(lines.number[i], translated("the velocity unit \"%1\" is not known", {value.text}));
                return;
            }
            session.unit = unitName(*factor);
        } else if (startsWithNoCase(cells[0].text, "Stats - Average") && factor) {
            session.statedMean = statedFigure(value, *factor, true);
        } else if (startsWithNoCase(cells[0].text, "Stats - Std") && factor) {
            session.statedSd = statedFigure(value, *factor, true);
        } else if (!cells[0].text.empty() && cells[0].text.find_first_not_of("0123456789") == std::string::npos) {
            if (!factor) {
                session.error = lineError(lines.number[i], translated("a shot before the \"Units velocity\" line"));
                return;
            }
            if (!addShot(session, lines.number[i], std::stoi(cells[0].text.substr(0, 9)), numberOf(value, true),
                         *factor))
                return;
        }
    }
}

// One velocity a line, or "shot,velocity" rows; a first line that is no number is a header.
void readPlainList(const Lines& lines, ChronoSession& session) {
    session.format = ChronoFormat::PlainList;
    double factor = 1.0;
    for (std::size_t i = 0; i < lines.text.size(); ++i) {
        const char separator = lines.text[i].find(';') != std::string::npos ? ';' : ',';
        const std::vector<Cell> cells = cellsOf(lines.text[i], separator);
        const Cell& value = cells.size() > 1 ? cells[1] : cells[0];
        if (i == 0 && !numberOf(value)) {
            const std::string_view unit = bracketedUnit(lines.text[0]);
            const std::optional<double> known = unit.empty() ? std::optional<double>(1.0) : unitFactor(unit);
            if (!known) {
                session.error = lineError(lines.number[0], translated("the unit \"%1\" is not known", {unit}));
                return;
            }
            factor = *known;
            session.unit = unitName(factor);
            continue;
        }
        const int place = static_cast<int>(session.shots.size()) + 1;
        const int shot = cells.size() > 1 ? shotNumberOf(cells[0].text, place) : place;
        if (!addShot(session, lines.number[i], shot, numberOf(value), factor)) return;
    }
}

}  // namespace

ChronoSession parseChronoSession(std::string_view text) {
    ChronoSession session;
    const Lines lines = linesOf(text);
    if (lines.text.empty()) {
        session.error = translated("the file holds no velocities");
        return session;
    }
    for (std::size_t i = 0; i < lines.text.size(); ++i) {
        if (startsWithNoCase(lines.text[i], "#,SPEED")) {
            readGarmin(lines, i, session);
            return session;
        }
        if (startsWithAny(lines.text[i], {"Units velocity;", "sep=;", "Shot ID;"})) {
            readLabRadar(lines, session);
            return session;
        }
    }
    readPlainList(lines, session);
    return session;
}

ChronoSession readChronoSession(const std::string& path) {
    std::string bytes;
    if (const FileOutcome outcome = readRegularFile(path, bytes); !outcome) {
        ChronoSession session;
        session.error = translated("cannot read '%1': %2", {path, outcome.reason()});
        return session;
    }
    return parseChronoSession(bytes);
}

std::string_view chronoFormatName(ChronoFormat format) {
    switch (format) {
        case ChronoFormat::GarminXero:
            return "Garmin Xero";
        case ChronoFormat::LabRadar:
            return "LabRadar";
        case ChronoFormat::PlainList:
            break;
    }
    return translated("plain list");
}

}  // namespace vorlan
