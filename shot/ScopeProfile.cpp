#include "shot/ScopeProfile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan {

namespace {

constexpr std::string_view kClickKey = "Scope Click:";
constexpr std::string_view kUnitsKey = "Scope Units:";
constexpr std::string_view kSystemKey = "Unit System:";
constexpr double kLargestClick = 100.0;

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) kept += c;
    return kept;
}

// A positive number, or a fraction "n/d" of two, filling the whole text.
std::optional<double> parseSize(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash != std::string_view::npos) {
        const auto over = parseSize(text.substr(0, slash));
        const auto under = parseSize(text.substr(slash + 1));
        if (!over || !under) return std::nullopt;
        return *over / *under;
    }
    const bool oneNumber = !text.empty() && text.find_first_not_of("0123456789.") == std::string_view::npos &&
                           std::count(text.begin(), text.end(), '.') <= 1;
    if (!oneNumber) return std::nullopt;
    double value = 0.0;
    if (!cScanDouble(text, value) || !(value > 0.0)) return std::nullopt;
    return value;
}

bool takeSuffix(std::string_view& text, std::string_view suffix) {
    if (text.size() < suffix.size() || !startsWithNoCase(text.substr(text.size() - suffix.size()), suffix))
        return false;
    text.remove_suffix(suffix.size());
    return true;
}

std::string_view valueAfter(std::string_view line, std::string_view key) { return line.substr(key.size()); }

}  // namespace

std::span<const ClickValue> standardClickValues() {
    static constexpr std::array<ClickValue, 4> kValues{
        {{0.25, AngleUnit::Moa}, {0.125, AngleUnit::Moa}, {0.1, AngleUnit::Mil}, {0.05, AngleUnit::Mil}}};
    return kValues;
}

std::optional<ClickValue> parseClickValue(std::string_view text) {
    const std::string compact = withoutBlanks(text);
    std::string_view rest(compact);
    AngleUnit unit;
    if (takeSuffix(rest, "moa"))
        unit = AngleUnit::Moa;
    else if (takeSuffix(rest, "mil") || takeSuffix(rest, "mrad"))
        unit = AngleUnit::Mil;
    else
        return std::nullopt;
    const std::optional<double> size = parseSize(rest);
    if (!size || !std::isfinite(*size) || *size >= kLargestClick) return std::nullopt;
    return ClickValue{*size, unit};
}

std::string clickValueText(ClickValue click) {
    // The shortest digits without an exponent that read back as the same size.
    char digits[400];
    const char* end = std::to_chars(digits, digits + sizeof digits, click.size, std::chars_format::fixed).ptr;
    return std::string(digits, static_cast<std::size_t>(end - digits)) + (click.unit == AngleUnit::Moa ? "moa" : "mil");
}

std::string clickValueLabel(ClickValue click) {
    if (click.unit == AngleUnit::Moa) {
        for (const int parts : {2, 4, 8, 16})
            if (click.size * parts == 1.0) return cFormat("1/%d MOA", parts);
    }
    return cFormat("%.10g ", click.size) + std::string(angleUnitName(click.unit));
}

std::string_view angleUnitName(AngleUnit unit) { return unit == AngleUnit::Moa ? "MOA" : "mil"; }

std::string scopeShotFileText(const ScopeProfile& scope) {
    const ScopeProfile defaults;
    std::string text;
    if (scope.click != defaults.click) text.append(kClickKey).append(clickValueText(scope.click)).append("\r\r\n");
    if (scope.turretUnits != defaults.turretUnits)
        text.append(kUnitsKey).append(scope.turretUnits == AngleUnit::Moa ? "MOA" : "MIL").append("\r\r\n");
    if (scope.unitSystem != defaults.unitSystem)
        text.append(kSystemKey).append(scope.unitSystem == UnitSystem::Metric ? "Metric" : "Imperial").append("\r\r\n");
    return text;
}

bool applyScopeShotLine(std::string_view line, ScopeProfile& scope) {
    if (startsWithNoCase(line, kClickKey)) {
        if (const auto click = parseClickValue(valueAfter(line, kClickKey))) scope.click = *click;
        return true;
    }
    if (startsWithNoCase(line, kUnitsKey)) {
        const std::string value = withoutBlanks(valueAfter(line, kUnitsKey));
        if (startsWithNoCase(value, "moa")) scope.turretUnits = AngleUnit::Moa;
        if (startsWithNoCase(value, "mil") || startsWithNoCase(value, "mrad")) scope.turretUnits = AngleUnit::Mil;
        return true;
    }
    if (startsWithNoCase(line, kSystemKey)) {
        const std::string value = withoutBlanks(valueAfter(line, kSystemKey));
        if (startsWithNoCase(value, "metric")) scope.unitSystem = UnitSystem::Metric;
        if (startsWithNoCase(value, "imperial")) scope.unitSystem = UnitSystem::Imperial;
        return true;
    }
    return false;
}

std::string scopeLineProblem(std::string_view line) {
    if (!startsWithNoCase(line, kClickKey) || parseClickValue(valueAfter(line, kClickKey))) return {};
    return translated("%1 \"%2\" is not a click value such as 0.25moa or 0.1mil",
                      {kClickKey, valueAfter(line, kClickKey)});
}

}  // namespace vorlan
