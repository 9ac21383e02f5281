#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <ostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan::cli {

ShotParameters loadShot(const std::string& path, ShotCheck check) {
    std::string bytes;
    const FileOutcome outcome = readRegularFile(path, bytes);
    if (!outcome) throw UsageError(translated("cannot read shot file '%1': %2", {path, outcome.reason()}));
    ShotParameters shot;
    std::vector<std::string> problems;
    if (!readShotTextTelling(bytes, shot, ShotReadMode::Load, problems))
        throw UsageError(translated("'%1' is not a shot file: it holds no shot-file line", {path}));
    if (problems.empty() && check == ShotCheck::Whole) problems = shotProblems(shot);
    if (!problems.empty()) throw UsageError(translated("%1: %2", {path, problems.front()}));
    return shot;
}

void printValue(std::ostream& out, const char* label, const std::string& value) {
    out << label << ": " << value << '\n';
}

void printEffects(std::ostream& out, const char* label, const ShotParameters& shot) {
    const std::string line = effectsLine(shot);
    const std::string_view prefix = "Effects:\t";
    if (line.size() > prefix.size()) printValue(out, label, line.substr(prefix.size()));
}

namespace {

// Decimal digits and an optional leading minus sign: the magnitude, or none when it needs
// more than 64 bits.
struct Whole {
    bool negative;
    std::uint64_t magnitude;
};

std::optional<Whole> readWhole(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return Whole{negative, magnitude};
}

// `refusal` says why a text is refused, a whole sentence.
CLI::Validator validator(std::string description, std::function<std::string(const std::string&)> refusal,
                         std::function<bool(const std::string&)> accepts) {
    return CLI::Validator([=](std::string& text) { return accepts(text) ? std::string() : refusal(text); },
                          description);
}

}  // namespace

std::optional<double> decimalNumber(std::string_view text) {
    // The shot's strict reader, without the blanks it allows round a typed value.
    if (text != trimmedBlanks(text)) return std::nullopt;
    return vorlan::wholeNumber(text);
}

std::optional<std::int64_t> wholeNumber(std::string_view text, std::int64_t lowest, std::int64_t highest) {
    const std::optional<Whole> whole = readWhole(text);
    constexpr std::uint64_t kMost = std::uint64_t{1} << 62;  // far beyond any bound asked for
    if (!whole || whole->magnitude > kMost) return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(whole->magnitude);
    const std::int64_t value = whole->negative ? -magnitude : magnitude;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

std::optional<std::uint64_t> unsignedWholeNumber(std::string_view text) {
    const std::optional<Whole> whole = readWhole(text);
    if (!whole || (whole->negative && whole->magnitude != 0)) return std::nullopt;
    return whole->magnitude;
}

CLI::Validator numberWithin(double lowest, double highest) {
    const std::string low = cShowDouble(lowest);
    const std::string high = cShowDouble(highest);
    return validator(
        translated("a number from %1 to %2", {low, high}),
        [=](const std::string& text) {
            return translated("'%1' is not a number from %2 to %3", {text, low, high});
        },
        [=](const std::string& text) {
            const std::optional<double> value = decimalNumber(text);
            return value && *value >= lowest && *value <= highest;
        });
}

CLI::Validator finiteNumber() {
    return validator(
        translated("a number"), [](const std::string& text) { return translated("'%1' is not a number", {text}); },
        [](const std::string& text) { return decimalNumber(text).has_value(); });
}

CLI::Validator wholeWithin(std::int64_t lowest, std::int64_t highest) {
    const std::string low = std::to_string(lowest);
    const std::string high = std::to_string(highest);
    return validator(
        translated("a whole number from %1 to %2", {low, high}),
        [=](const std::string& text) {
            return translated("'%1' is not a whole number from %2 to %3", {text, low, high});
        },
        [=](const std::string& text) { return wholeNumber(text, lowest, highest).has_value(); });
}

CLI::Validator unsignedWhole() {
    constexpr const char* kMost = "18446744073709551615";
    return validator(
        translated("a whole number from %1 to %2", {"0", kMost}),
        [=](const std::string& text) {
            return translated("'%1' is not a whole number from %2 to %3", {text, "0", kMost});
        },
        [](const std::string& text) { return unsignedWholeNumber(text).has_value(); });
}

std::optional<UnitSystem> unitSystemNamed(std::string_view text) {
    if (equalsNoCase(text, "metric")) return UnitSystem::Metric;
    if (equalsNoCase(text, "imperial")) return UnitSystem::Imperial;
    return std::nullopt;
}

void addUnitSystemOption(CLI::App* command, UnitSystem& units, const std::string& metricMeans, bool metricFlag) {
    command
        ->add_option_function<std::string>(
            "--units",
            [&units](const std::string& text) {
                const std::optional<UnitSystem> named = unitSystemNamed(text);
                if (!named) throw UsageError(translated("unknown units '%1': use metric or imperial", {text}));
                units = *named;
            },
            translated("metric (%1) or imperial (the default)", {translated(metricMeans.c_str())}))
        ->type_name("metric|imperial");
    if (metricFlag)
        command->add_flag_callback(
            "--metric", [&units] { units = UnitSystem::Metric; }, translated("The same as --units metric"));
}

void addWindUnitOption(CLI::App* command, std::optional<Unit>& unit) {
    command
        ->add_option_function<std::string>(
            "--wind-unit",
            [&unit](const std::string& text) {
                unit = unitNamed(Quantity::Speed, text);
                if (!unit)
                    throw UsageError(translated("unknown wind unit '%1': use %2", {text, unitTokens(Quantity::Speed)}));
            },
            translated("The unit of the winds: mph, km/h or m/s (default mph; m/s with metric units)"))
        ->type_name("mph|km/h|m/s");
}

namespace {

// Typed bounds are rounded inwards to this many decimals.
constexpr int kTypedDecimals = 2;

CLI::Validator typedValidator(Quantity quantity, const UnitSystem& units, double lowest, double highest,
                              const std::string& description) {
    return CLI::Validator(
        [quantity, &units, lowest, highest](std::string& text) {
            const Unit unit = UnitChoice::preset(units).of(quantity);
            const ShownBounds bounds = shownBounds(lowest, highest, quantity, unit, kTypedDecimals);
            const std::optional<double> value = decimalNumber(text);
            if (!value || !(*value >= bounds.low) || !(*value <= bounds.high)) {
                if (std::isfinite(bounds.high))
                    return translated("'%1' is not a number from %2 to %3",
                                      {text, cFormat("%g", bounds.low), cFormat("%g", bounds.high)});
                return translated("'%1' is not a number of %2 or more", {text, cFormat("%g", bounds.low)});
            }
            text = cFormat("%.17g", toDesignedWithin(*value, quantity, unit, lowest, highest));
            return std::string();
        },
        description);
}

}  // namespace

CLI::Validator typedWithin(Quantity quantity, const UnitSystem& units, double lowest, double highest) {
    return typedValidator(quantity, units, lowest, highest,
                          translated("a number from %1 to %2", {cFormat("%g", lowest), cFormat("%g", highest)}));
}

CLI::Validator typedNotNegative(Quantity quantity, const UnitSystem& units) {
    return typedValidator(quantity, units, 0.0, HUGE_VAL, translated("a number of 0 or more"));
}

double shownIn(double designed, Quantity quantity, UnitSystem units) {
    return toShown(designed, quantity, UnitChoice::preset(units).of(quantity));
}

const char* unitLabelIn(Quantity quantity, UnitSystem units) {
    return unitOf(quantity, UnitChoice::preset(units).of(quantity)).label;
}

CLI::Validator given() {
    return CLI::Validator(
        [](std::string& text) {
            return text.empty() ? std::string(translated("an empty value; leave the option out for its default"))
                                : std::string();
        },
        "");
}

}  // namespace vorlan::cli
