#include "shot/MetricShotKeys.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

using Q = Quantity;

struct KeyQuantity {
    std::string_view key;
    Quantity quantity;
};
constexpr KeyQuantity kKeyQuantities[] = {
    {"Velocity", Q::Velocity},
    {"Weight", Q::Weight},
    {"Sight Height", Q::Length},
    {"Sight-In Range", Q::Distance},
    {"Range Increment", Q::Distance},
    {"Crosswind", Q::Speed},
    {"Temperature", Q::Temperature},
    {"Barometric Pressure", Q::Pressure},
    {"Altitude", Q::Altitude},
    {"Target Range", Q::Distance},
    {"Near Chronograph Speed", Q::Velocity},
    {"Far Chronograph Speed", Q::Velocity},
    {"Chronograph Distance", Q::Altitude},
    {"Target Diameter", Q::Length},
    {"Target Speed", Q::Speed},
};

// A designed key whose metric figure has a line of its own, and the figure's unit.
struct MetricSlot {
    std::string_view key;
    std::optional<double> MetricInputs::*figure;
    Unit unit;
};
constexpr MetricSlot kSlots[] = {
    {"Velocity", &MetricInputs::velocity, Unit::MetrePerSecond},
    {"Weight", &MetricInputs::weight, Unit::Gram},
    {"Sight Height", &MetricInputs::sightHeight, Unit::Centimetre},
    {"Sight-In Range", &MetricInputs::sightInRange, Unit::Metre},
    {"Range Increment", &MetricInputs::rangeIncrement, Unit::Metre},
    {"Target Range", &MetricInputs::targetRange, Unit::Metre},
    {"Barometric Pressure", &MetricInputs::pressure, Unit::Hectopascal},
};

constexpr std::string_view kMetricPrefix = "Metric ";

const ShotFileLine* fileLine(std::string_view key) {
    const auto lines = shotFileLines();
    const auto found = std::find_if(lines.begin(), lines.end(), [key](const ShotFileLine& l) { return l.key == key; });
    return found == lines.end() ? nullptr : &*found;
}

const MetricSlot* slotOf(std::string_view key) {
    const auto found =
        std::find_if(std::begin(kSlots), std::end(kSlots), [key](const MetricSlot& s) { return s.key == key; });
    return found == std::end(kSlots) ? nullptr : found;
}

// The main dialog's field that a designed key stores; nullptr for a key without one.
const ShotField* fieldOf(std::string_view key) {
    const ShotFileLine* line = fileLine(key);
    for (const ShotField& field : shotFields())
        if (line && field.member == line->member) return &field;
    return nullptr;
}

// A typed value in the designed unit: an end of the field's bounds, converted, may land an ulp
// beyond the designed end; it is that end.
double designedFrom(std::string_view key, double value, Unit unit) {
    const double designed = toDesigned(value, *keyQuantity(key), unit);
    const ShotField* field = fieldOf(key);
    if (!field) return designed;
    const double slack = 1e-12 * std::max(std::fabs(field->minimum), std::fabs(field->maximum));
    if (designed < field->minimum && designed >= field->minimum - slack) return field->minimum;
    if (designed > field->maximum && designed <= field->maximum + slack) return field->maximum;
    return designed;
}

// Whether the designed value is `designed` as its member holds it (an int: rounded).
bool holds(const ShotParameters& shot, const FieldMember& member, double designed) {
    if (const auto* whole = std::get_if<int ShotParameters::*>(&member)) return std::lround(designed) == shot.**whole;
    return shot.*std::get<double ShotParameters::*>(member) == designed;
}

void store(ShotParameters& shot, const FieldMember& member, double designed) {
    if (const auto* whole = std::get_if<int ShotParameters::*>(&member))
        shot.** whole = static_cast<int>(std::lround(designed));
    else
        shot.*std::get<double ShotParameters::*>(member) = designed;
}

// The designed value as its line writes it.
std::string designedText(const ShotFileLine& line, double designed) {
    return std::holds_alternative<int ShotParameters::*>(line.member) ? cFormat("%ld", std::lround(designed))
                                                                      : cFormat(line.format, designed);
}

std::string currentText(const ShotFileLine& line, const ShotParameters& shot) {
    if (const auto* whole = std::get_if<int ShotParameters::*>(&line.member)) return cFormat("%d", shot.**whole);
    return cFormat(line.format, shot.*std::get<double ShotParameters::*>(line.member));
}

bool wholeFigure(const MetricSlot& slot, double value) {
    return slot.figure != &MetricInputs::rangeIncrement || (value >= 1.0 && value == std::floor(value));
}

}  // namespace

std::optional<Quantity> keyQuantity(std::string_view designedKey) {
    for (const KeyQuantity& k : kKeyQuantities)
        if (k.key == designedKey) return k.quantity;
    return std::nullopt;
}

std::optional<double> metricValue(const ShotParameters& shot, std::string_view designedKey) {
    const MetricSlot* slot = slotOf(designedKey);
    if (!slot || !(shot.metric.*slot->figure)) return std::nullopt;
    const double figure = *(shot.metric.*slot->figure);
    const double designed = designedFrom(designedKey, figure, slot->unit);
    if (!holds(shot, fileLine(designedKey)->member, designed)) return std::nullopt;
    return figure;
}

bool storeTypedValue(ShotParameters& shot, std::string_view designedKey, double value, Unit unit) {
    const std::optional<Quantity> quantity = keyQuantity(designedKey);
    if (!quantity || unitOf(*quantity, unit).unit != unit) return false;
    store(shot, fileLine(designedKey)->member, designedFrom(designedKey, value, unit));
    if (const MetricSlot* slot = slotOf(designedKey))
        shot.metric.*slot->figure =
            slot->unit == unit && wholeFigure(*slot, value) ? std::optional<double>(value) : std::nullopt;
    return true;
}

std::string typedValueProblem(std::string_view designedKey, double value, Unit unit) {
    const std::optional<Quantity> quantity = keyQuantity(designedKey);
    const ShotField* field = fieldOf(designedKey);
    if (!quantity || !field) return {};
    const int decimals = field->keystrokes.fractional ? field->keystrokes.decimals : 0;
    const ShownBounds bounds = shownBounds(field->minimum, field->maximum, *quantity, unit, decimals);
    const bool whole = field->kind == FieldKind::WholeNumber;
    if (bounds.contains(value) && (!whole || value == std::floor(value))) return {};
    return boundsMessage(field->label, bounds, *quantity, unit, whole);
}

std::string metricShotFileText(const ShotParameters& shot) {
    std::string text;
    for (const MetricSlot& slot : kSlots) {
        if (const std::optional<double> figure = metricValue(shot, slot.key)) {
            text.append(kMetricPrefix).append(slot.key).append(":");
            appendRoundTrip(text, *figure);
            text.append(kShotLineEnd);
        }
    }
    return text;
}

bool applyMetricShotLine(std::string_view line, ShotParameters& shot, std::string* problem) {
    if (!startsWithNoCase(line, kMetricPrefix)) return false;
    for (const MetricSlot& slot : kSlots) {
        const std::string key = std::string(kMetricPrefix) + std::string(slot.key) + ":";
        if (!startsWithNoCase(line, key)) continue;
        const std::string_view text = line.substr(key.size());
        const std::optional<double> value = wholeNumber(text);
        if (!value || !wholeFigure(slot, *value)) {
            if (problem) *problem = translated("%1 \"%2\" is not a number", {key, text});
            return true;
        }
        // Taken only where the designed line read before holds its conversion.
        const ShotFileLine& designedLine = *fileLine(slot.key);
        const double designed = designedFrom(slot.key, *value, slot.unit);
        if (designedText(designedLine, designed) != currentText(designedLine, shot)) return true;
        store(shot, designedLine.member, designed);
        shot.metric.*slot.figure = *value;
        return true;
    }
    return false;
}

double metricRangeIncrement(const ShotParameters& shot) { return metricValue(shot, "Range Increment").value_or(0.0); }

std::string metricInputProblem(const ShotParameters& shot) {
    const double increment = metricRangeIncrement(shot);
    const double longest = shownBounds(1.0, kLongestTable, Quantity::Distance, Unit::Metre, 0).high;
    if (increment <= 0.0 || increment * shot.incrementCount <= longest) return {};
    return translated("Number of Increments: %1 rows of %2 m make a table longer than %3 m",
                      {cShowInt(shot.incrementCount), cShowDouble(increment), cShowDouble(longest)});
}

}  // namespace vorlan
