#include "shot/AdvancedShotKeys.h"

#include <array>
#include <cmath>
#include <sstream>
#include <variant>

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/Observations.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

using E = AdvancedEffects;
using Member = std::variant<double E::*, bool E::*, std::vector<MachCd> E::*, std::vector<BcBand> E::*,
                            std::vector<WindZone> E::*>;

struct AdvancedKey {
    std::string_view key;  // with its colon
    Member member;
    const char* format;  // numbers
    double minimum;      // numbers: inclusive bounds
    double maximum;
};

constexpr double kHuge = 1e300;

const AdvancedKey kKeys[] = {
    {"Wind Speed:", &E::windSpeed, "%.1f", 0, 200},
    {"Wind Direction:", &E::windDirection, "%.1f", 0, 360},
    {"Wind Zones:", &E::windZones, nullptr, 0, kHuge},
    {"Twist Rate:", &E::twistRate, "%.2f", 0, 100},
    {"Left Twist:", &E::leftTwist, nullptr, 0, 0},
    {"Bullet Length:", &E::bulletLength, "%.3f", 0, 10},
    {"Bullet Diameter:", &E::bulletDiameter, "%.3f", 0, 2},
    {"Aerodynamic Jump:", &E::aerodynamicJump, nullptr, 0, 0},
    {"Coriolis:", &E::coriolis, nullptr, 0, 0},
    {"Latitude:", &E::latitude, "%.2f", -90, 90},
    {"Azimuth:", &E::azimuth, "%.1f", 0, 360},
    {"Powder Sensitivity:", &E::powderSensitivity, "%.2f", -50, 50},
    {"Powder Temperature:", &E::powderTemperature, "%.1f", -150, 150},
    {"Powder Reference Temperature:", &E::powderReferenceTemperature, "%.1f", -150, 150},
    {"Zero Conditions:", &E::zeroConditions, nullptr, 0, 0},
    {"Zero Temperature:", &E::zeroTemperature, "%.1f", -150, 150},
    {"Zero Pressure:", &E::zeroPressure, "%.2f", 10, 35},
    {"Zero Humidity:", &E::zeroHumidity, "%.0f", 0, 100},
    {"Zero Powder Temperature:", &E::zeroPowderTemperature, "%.1f", -150, 150},
    {"Custom Drag:", &E::customDrag, nullptr, 0, kHuge},
    {"BC Bands:", &E::bcBands, nullptr, 0, kHuge},
};

std::string formatValue(const AdvancedKey& key, const E& effects) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = effects.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
                return value ? "TRUE" : "FALSE";
            else if constexpr (std::is_same_v<T, double>)
                return cFormatReadingBack(key.format, value);
            else if constexpr (std::is_same_v<T, std::vector<MachCd>>)
                return machCdText(value);
            else if constexpr (std::is_same_v<T, std::vector<WindZone>>)
                return windZonesText(value);
            else
                return bcBandsText(value);
        },
        key.member);
}

std::string notANumber(std::string_view key, std::string_view text) {
    return translated("%1 \"%2\" is not a number", {key, text});
}

// Stores the value when the whole text reads; else leaves it and says why.
std::string storeValue(const AdvancedKey& key, std::string_view text, E& effects) {
    return std::visit(
        [&](auto m) -> std::string {
            auto& value = effects.*m;
            using T = std::decay_t<decltype(value)>;
            std::size_t bad = 0;
            T read{};
            if constexpr (std::is_same_v<T, bool>) {
                const std::string_view flag = trimmedBlanks(text);
                if (!(equalsNoCase(flag, "true") || equalsNoCase(flag, "false")))
                    return translated("%1 \"%2\" is not TRUE or FALSE", {key.key, text});
                read = equalsNoCase(flag, "true");
            } else if constexpr (std::is_same_v<T, double>) {
                const std::optional<double> number = wholeNumber(text);
                if (!number) return notANumber(key.key, text);
                read = *number;
            } else if constexpr (std::is_same_v<T, std::vector<MachCd>>) {
                read = parseMachCdText(text, &bad);
            } else if constexpr (std::is_same_v<T, std::vector<WindZone>>) {
                read = parseWindZonesText(text, &bad);
            } else {
                read = parseBcBandsText(text, &bad);
            }
            if (bad != 0) return listItemProblem(key.key, text, bad, std::is_same_v<T, std::vector<WindZone>> ? 3 : 2);
            value = std::move(read);
            return {};
        },
        key.member);
}

// Calls `take` with the N numbers of each "a b ...;a b ...;..." item; blank items are passed
// over. Returns the number of the first item that is not N numbers, 0 when none.
template <std::size_t N, class Take>
std::size_t forEachItem(std::string_view text, Take take) {
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find(';');
        const std::string item(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (item.find_first_not_of(" \t") == std::string::npos) continue;
        std::array<double, N> numbers{};
        std::string rest;
        std::istringstream in(item);
        in.imbue(std::locale::classic());
        for (double& n : numbers)
            if (!(in >> n)) return number;
        if (in >> rest) return number;
        take(numbers);
    }
    return 0;
}

// A list is taken whole or not at all: an item that does not parse empties it.
template <class Point, std::size_t N>
std::vector<Point> parsedItems(std::string_view text, std::size_t* badItem) {
    std::vector<Point> points;
    const std::size_t bad = forEachItem<N>(text, [&](const std::array<double, N>& n) {
        if constexpr (N == 2)
            points.push_back({n[0], n[1]});
        else
            points.push_back({n[0], n[1], n[2]});
    });
    if (badItem) *badItem = bad;
    if (bad != 0) points.clear();
    return points;
}

template <class Point, class First, class Second>
std::string pairsText(const std::vector<Point>& points, First first, Second second) {
    std::string text;
    for (const Point& p : points) {
        if (!text.empty()) text += ';';
        text.append(cFormatReadingBack("%.10g", p.*first)).append(" ").append(cFormatReadingBack("%.10g", p.*second));
    }
    return text;
}

}  // namespace

std::string machCdText(const std::vector<MachCd>& points) { return pairsText(points, &MachCd::mach, &MachCd::cd); }

std::vector<MachCd> parseMachCdText(std::string_view text, std::size_t* badItem) {
    return parsedItems<MachCd, 2>(text, badItem);
}

std::string bcBandsText(const std::vector<BcBand>& bands) {
    return pairsText(bands, &BcBand::velocity, &BcBand::coefficient);
}

std::vector<BcBand> parseBcBandsText(std::string_view text, std::size_t* badItem) {
    return parsedItems<BcBand, 2>(text, badItem);
}

std::string listItemProblem(std::string_view key, std::string_view list, std::size_t item, int numbers) {
    std::string_view text = list;
    for (std::size_t number = 1; number < item && !text.empty(); ++number) {
        const std::size_t end = text.find(';');
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    text = trimmedBlanks(text.substr(0, text.find(';')));
    const std::string number = std::to_string(item);
    if (numbers == 3)
        return translated("%1 item %2 is not three numbers (\"%3\"); the whole list is left out", {key, number, text});
    return translated("%1 item %2 is not two numbers (\"%3\"); the whole list is left out", {key, number, text});
}

std::string advancedLineProblem(std::string_view line) {
    AdvancedEffects scratch;
    std::string problem;
    applyAdvancedShotLine(line, scratch, &problem);
    return problem;
}

std::string windZonesText(const std::vector<WindZone>& zones) {
    std::string text;
    for (const WindZone& z : zones) {
        if (!text.empty()) text += ';';
        text.append(cFormatReadingBack("%.10g", z.until)).append(" ").append(cFormatReadingBack("%.10g", z.speed));
        text.append(" ").append(cFormatReadingBack("%.10g", z.direction));
    }
    return text;
}

std::vector<WindZone> parseWindZonesText(std::string_view text, std::size_t* badItem) {
    return parsedItems<WindZone, 3>(text, badItem);
}

std::string advancedShotFileText(const AdvancedEffects& effects) {
    static const AdvancedEffects kDefaults;
    std::string text;
    for (const AdvancedKey& key : kKeys) {
        const std::string value = formatValue(key, effects);
        if (value != formatValue(key, kDefaults)) text.append(key.key).append(value).append(kShotLineEnd);
    }
    return text;
}

bool applyAdvancedShotLine(std::string_view line, AdvancedEffects& effects, std::string* problem) {
    for (const AdvancedKey& key : kKeys) {
        if (!startsWithNoCase(line, key.key)) continue;
        std::string told = storeValue(key, line.substr(key.key.size()), effects);
        if (problem && !told.empty()) *problem = std::move(told);
        return true;
    }
    return false;
}

std::string advancedInputProblem(const AdvancedEffects& effects) {
    for (const AdvancedKey& key : kKeys) {
        const auto* number = std::get_if<double E::*>(&key.member);
        if (!number) continue;
        const double value = effects.**number;
        if (!(value >= key.minimum && value <= key.maximum))
            return translated(
                "%1 must be a number from %2 to %3",
                {key.key.substr(0, key.key.size() - 1), cShowDouble(key.minimum), cShowDouble(key.maximum)});
    }
    const auto& drag = effects.customDrag;
    if (drag.size() == 1) return translated("Custom Drag: needs at least 2 points");
    for (std::size_t i = 0; i < drag.size(); ++i) {
        if (!(drag[i].cd > 0.0 && drag[i].cd < 10.0) || !(drag[i].mach >= 0.0 && drag[i].mach <= 20.0))
            return translated("Custom Drag: point %1 needs a Mach from 0 to 20 and a Cd above 0 and below 10",
                              {std::to_string(i + 1)});
        if (i > 0 && !(drag[i].mach > drag[i - 1].mach))
            return translated("Custom Drag: the Mach of point %1 must be above the one before",
                              {std::to_string(i + 1)});
    }
    if (effects.windZones.size() > static_cast<std::size_t>(kMaxWindZones))
        return translated("Wind Zones: at most %1 zones", {cShowInt(kMaxWindZones)});
    for (std::size_t i = 0; i < effects.windZones.size(); ++i) {
        const WindZone& z = effects.windZones[i];
        if (!(z.until >= 1.0 && z.until <= 100000.0) || !(z.speed >= 0.0 && z.speed <= 200.0) ||
            !(z.direction >= 0.0 && z.direction <= 360.0))
            return translated(
                "Wind Zones: zone %1 needs a range from 1 to 100000 yd, a speed from 0 to 200 mph and a direction from "
                "0 to 360",
                {std::to_string(i + 1)});
        if (i > 0 && !(z.until > effects.windZones[i - 1].until))
            return translated("Wind Zones: the range of zone %1 must be beyond the one before",
                              {std::to_string(i + 1)});
    }
    if (effects.bcBands.size() > static_cast<std::size_t>(kMaxBcBands))
        return translated("BC Bands: at most %1 bands", {cShowInt(kMaxBcBands)});
    for (const BcBand& band : effects.bcBands)
        if (!(band.velocity >= 0.0 && band.velocity <= 5000.0) ||
            !(band.coefficient >= 0.0001 && band.coefficient <= 2.0))
            return translated(
                "BC Bands: each band needs a velocity from 0 to 5000 ft/s and a coefficient from 0.0001 to 2");
    return dragScaleProblem(effects.dragScale);
}

DragTableCsv parseDragTableCsv(std::string_view text) {
    DragTableCsv table;
    int lineNumber = 0;
    while (!text.empty() && table.error.empty()) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        for (char& c : line)
            if (c == ',' || c == ';' || c == '\t') c = ' ';
        std::istringstream in(line);
        in.imbue(std::locale::classic());
        double mach = 0.0, cd = 0.0;
        std::string rest;
        const bool two = static_cast<bool>(in >> mach >> cd) && !(in >> rest);
        if (!two) {
            if (table.points.empty() && lineNumber == 1) continue;  // a header
            table.error = translated("line %1: expected two numbers, Mach and Cd", {cShowInt(lineNumber)});
        } else if (!(cd > 0.0 && cd < 10.0) || !(mach >= 0.0 && mach <= 20.0)) {
            table.error =
                translated("line %1: Mach must be from 0 to 20 and Cd above 0 and below 10", {cShowInt(lineNumber)});
        } else if (!table.points.empty() && !(mach > table.points.back().mach)) {
            table.error =
                translated("line %1: the Mach number must increase from the line before", {cShowInt(lineNumber)});
        } else {
            table.points.push_back({mach, cd});
        }
    }
    if (table.error.empty() && table.points.size() < 2)
        table.error = translated("the table needs at least 2 rows of Mach and Cd");
    if (!table.error.empty()) table.points.clear();
    return table;
}

DragTableCsv loadDragTableCsv(const std::string& path) {
    std::string bytes;
    const FileOutcome outcome = readRegularFile(path, bytes);
    if (!outcome) return {{}, translated("cannot read the file: %1", {outcome.reason()}), outcome};
    return parseDragTableCsv(bytes);
}

}  // namespace vorlan
