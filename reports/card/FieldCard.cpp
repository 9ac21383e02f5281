#include "reports/card/FieldCard.h"

#include <algorithm>
#include <cmath>

#include "engine/Atmosphere.h"
#include "engine/Catalogue.h"
#include "reports/table/RangeTable.h"
#include "reports/table/RangeTableCsv.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/ScopeProfile.h"
#include "shot/Units.h"

namespace vorlan {

namespace {

constexpr double kTransonicMach = 1.2;     // where the drag begins to rise steeply
constexpr std::size_t kMaxRows = 200;      // far more than any card can hold
constexpr int kTemperatureControl = 1013;  // the main dialog's temperature edit
constexpr int kCrosswindControl = 1011;

bool metric(const FieldCardRequest& request) { return request.units == UnitSystem::Metric; }
// The card's figures in the designed units: ranges in m, winds in m/s and temperatures in
// deg. C on a metric card, as the metric units show them.
double designed(double value, Quantity quantity, const FieldCardRequest& r) {
    return toDesigned(value, quantity, UnitChoice::preset(r.units).of(quantity));
}
double rangeToYards(double range, const FieldCardRequest& r) { return designed(range, Quantity::Distance, r); }
double windToMph(double wind, const FieldCardRequest& r) { return toDesigned(wind, Quantity::Speed, cardWindUnit(r)); }
double temperatureToF(double t, const FieldCardRequest& r) { return designed(t, Quantity::Temperature, r); }
// A field's bounds as a metric card tells them, whole and rounded inwards.
ShownBounds metricBounds(const ShotField& field, Quantity quantity) {
    return shownBounds(field.minimum, field.maximum, quantity, UnitChoice::preset(UnitSystem::Metric).of(quantity), 0);
}
const char* rangeUnit(const FieldCardRequest& r) { return metric(r) ? "m" : "yd"; }

std::optional<double> angleIn(double correctionInches, double yards, CardAngle unit, ClickValue click) {
    const std::optional<Hold> hold = holdFor(correctionInches, yards, click);
    if (!hold) return std::nullopt;
    switch (unit) {
        case CardAngle::Mil:
            return hold->mil;
        case CardAngle::Clicks:
            return hold->clicks;
        default:
            return hold->moa;
    }
}

// One flight of the card: the range table's own, every yard out to the card's last range.
struct Flight {
    std::vector<TrajectoryPoint> rows;
    double muzzleAngleMoa;
    double speedOfSound;
    std::string end;  // why the flight ends short of the last range, as the table says it
};

Flight fly(ShotParameters shot, double lastYards, UnitSystem units) {
    shot.rangeIncrement = 1;
    shot.incrementCount = static_cast<int>(std::ceil(lastYards));
    const RangeTableReport report(shot);
    return {report.rowsEvery(1), report.muzzleAngleMoa(), report.tableTrajectory().atmosphere.speedOfSound,
            tableEndNote(shot, report, kChosenWords, units)};
}

// The ranges of the card in its unit, each with its target name (a target at a listed range
// names that row).
std::vector<CardTarget> cardRanges(const FieldCardRequest& request) {
    std::vector<CardTarget> ranges;
    if (request.step > 0.0) {
        for (int k = 0;; ++k) {
            const double range = request.from + k * request.step;
            if (range > request.to + request.step * 1e-9) break;
            ranges.push_back({"", range});
        }
    }
    for (const CardTarget& target : request.targets) {
        const auto same = std::find_if(ranges.begin(), ranges.end(), [&](const CardTarget& r) {
            return r.name.empty() && std::fabs(r.range - target.range) < 1e-9;
        });
        if (same != ranges.end())
            same->name = target.name;
        else
            ranges.push_back(target);
    }
    std::stable_sort(ranges.begin(), ranges.end(),
                     [](const CardTarget& a, const CardTarget& b) { return a.range < b.range; });
    return ranges;
}

std::vector<std::string> conditionsText(const ShotParameters& shot, UnitSystem units) {
    const std::string station = shot.stationPressure ? " stn" : "";
    if (units == UnitSystem::Metric)
        return {cFormat("%.1f C", fahrenheitToCelsius(shot.temperature)),
                cFormat("%.0f hPa", inchesHgToHectopascals(shot.pressure)) + station,
                cFormat("%.0f m", feetToMetres(shot.altitude)), cFormat("%.0f %% RH", shot.relativeHumidity)};
    return {cFormat("%.0f F", shot.temperature), cFormat("%.2f inHg", shot.pressure) + station,
            cFormat("%.0f ft", shot.altitude), cFormat("%.0f %% RH", shot.relativeHumidity)};
}

std::string numberText(double value) { return cFormat("%g", value); }

}  // namespace

std::vector<double> defaultCardWinds(UnitSystem units) {
    return defaultCardWinds(UnitChoice::preset(units).of(Quantity::Speed));
}

std::vector<double> defaultCardWinds(Unit windUnit) {
    switch (windUnit) {
        case Unit::MetrePerSecond:
            return {2.0, 4.0, 6.0};
        case Unit::Kmh:
            return {10.0, 15.0, 20.0};
        default:
            return {5.0, 10.0, 15.0};
    }
}

Unit cardWindUnit(const FieldCardRequest& request) {
    return request.windUnit.value_or(UnitChoice::preset(request.units).of(Quantity::Speed));
}

Unit typedWindUnit(const UnitChoice& shown, UnitSystem card) {
    const Unit chosen = shown.of(Quantity::Speed);
    return chosen == UnitChoice().of(Quantity::Speed) ? UnitChoice::preset(card).of(Quantity::Speed) : chosen;
}

std::string cardRequestProblem(const FieldCardRequest& request) {
    const std::string unit = rangeUnit(request);
    const double longest = metric(request) ? kCardMaxRangeYards * kMetresPerYard : kCardMaxRangeYards;
    const std::string most = numberText(std::floor(longest));
    const auto badRange = [&](double r) { return !(r > 0.0) || !(r <= std::floor(longest)); };
    if (!std::isfinite(request.step) || request.step < 0.0) return translated("The range step must be 0 or more.");
    if (request.step > 0.0) {
        if (badRange(request.from) || badRange(request.to))
            return translated("The range list needs a range from more than 0 to %1 %2.", {most, unit});
        if (request.to < request.from) return translated("The range list ends before it starts.");
        if ((request.to - request.from) / request.step + 1.0 > static_cast<double>(kMaxRows))
            return translated("The range list has more than %1 rows.", {std::to_string(kMaxRows)});
    }
    for (const CardTarget& target : request.targets) {
        if (target.name.empty()) return translated("Every target needs a name.");
        if (badRange(target.range))
            return translated("Target \"%1\" needs a range from more than 0 to %2 %3.", {target.name, most, unit});
    }
    if (cardRanges(request).empty()) return translated("The card has no rows: give a range list or targets.");
    if (cardRanges(request).size() > kMaxRows)
        return translated("The card has more than %1 rows.", {std::to_string(kMaxRows)});
    if (request.pictureShare != 0.0 && request.layout != CardLayout::Pocket && request.layout != CardLayout::Half)
        return translated("A picture goes beside the table of a pocket or half card only.");
    if (!(request.pictureShare >= 0.0 && request.pictureShare <= kCardMostPictureShare))
        return translated("A picture takes at most %1 of the card's width.", {cShowDouble(kCardMostPictureShare)});
    if (request.winds.size() > kCardMaxWinds)
        return translated("A card holds at most %1 wind speeds.", {std::to_string(kCardMaxWinds)});
    const ShotField& crosswind = *shotFieldOf(kCrosswindControl);
    const Unit windUnit = cardWindUnit(request);
    const ShownBounds winds = shownBounds(crosswind.minimum, crosswind.maximum, Quantity::Speed, windUnit, 0);
    for (const double wind : request.winds) {
        if (!winds.contains(wind))
            return translated(
                "A wind speed must be from %1 to %2 %3.",
                {cShowDouble(winds.low), cShowDouble(winds.high), unitOf(Quantity::Speed, windUnit).label});
    }
    if (request.temperatures.size() > kCardMaxTemperatures)
        return translated("A card holds at most %1 temperatures.", {std::to_string(kCardMaxTemperatures)});
    const ShotField& temperature = *shotFieldOf(kTemperatureControl);
    for (const double t : request.temperatures) {
        const double f = temperatureToF(t, request);
        if (!(f >= temperature.minimum && f <= temperature.maximum))
            return metric(request)
                       ? translated("A temperature must be from %1 to %2 C.",
                                    {cFormat("%.0f", metricBounds(temperature, Quantity::Temperature).low),
                                     cFormat("%.0f", metricBounds(temperature, Quantity::Temperature).high)})
                       : translated("A temperature must be from %1 to %2 F.",
                                    {cShowDouble(temperature.minimum), cShowDouble(temperature.maximum)});
    }
    return {};
}

FieldCard fieldCard(const ShotParameters& shot, const FieldCardRequest& request) {
    FieldCard card;
    card.request = request;
    card.click = shot.scope.click;
    card.shotName = printableText(shot.name);
    card.conditions = conditionsText(shot, request.units);
    card.zeroRange = metric(request) ? yardsToMetres(shot.sightInRange) : shot.sightInRange;
    card.windZonesReplaced = !request.winds.empty() && !shot.advanced.windZones.empty();
    const std::vector<CardTarget> ranges = cardRanges(request);
    double lastYards = 0.0;
    for (const CardTarget& r : ranges) lastYards = std::max(lastYards, rangeToYards(r.range, request));

    const Flight table = fly(shot, lastYards, request.units);
    card.speedOfSound = metric(request) ? fpsToMetresPerSecond(table.speedOfSound) : table.speedOfSound;
    std::vector<Flight> winds;
    for (const double wind : request.winds) {
        ShotParameters windy = shot;
        windy.crosswind = 0.0;
        windy.advanced.windZones.clear();  // the card's wind blows the whole flight, in place of the zones
        windy.advanced.windSpeed = windToMph(wind, request);
        windy.advanced.windDirection = 90.0;  // full value from the right
        winds.push_back(fly(windy, lastYards, request.units));
    }
    std::vector<Flight> temperatures;
    for (const double t : request.temperatures) {
        ShotParameters warm = shot;
        warm.temperature = temperatureToF(t, request);
        if (warm.advanced.powderOn()) warm.advanced.powderTemperature = warm.temperature;
        warm.muzzleAngleCorrection = false;
        warm.muzzleAngle = table.muzzleAngleMoa;
        temperatures.push_back(fly(warm, lastYards, request.units));
    }

    const CardAngle unit = request.angle;
    for (const CardTarget& r : ranges) {
        const double yards = rangeToYards(r.range, request);
        FieldCardRow row;
        row.range = r.range;
        row.target = printableText(r.name);
        if (const std::optional<TrajectoryPoint> at = rowAt(table.rows, yards)) {
            row.elevation = angleIn(elevationCorrectionInches(at->drop), yards, unit, card.click);
            row.windage = angleIn(windageCorrectionInches(at->windage), yards, unit, card.click);
            const bool m = metric(request);
            if (request.velocity) row.velocity = m ? fpsToMetresPerSecond(at->velocity) : at->velocity;
            if (request.time) row.time = at->time;
            if (request.energy) row.energy = m ? footPoundsToJoules(at->energy) : at->energy;
            row.transonic = at->velocity < kTransonicMach * table.speedOfSound;
            row.subsonic = at->velocity < table.speedOfSound;
        } else {
            card.flightEnd = table.end;
        }
        for (const Flight& flight : winds) {
            const std::optional<TrajectoryPoint> at = rowAt(flight.rows, yards);
            row.winds.push_back(at ? angleIn(windageCorrectionInches(at->windage), yards, unit, card.click)
                                   : std::nullopt);
        }
        for (const Flight& flight : temperatures) {
            const std::optional<TrajectoryPoint> at = rowAt(flight.rows, yards);
            row.temperatures.push_back(at ? angleIn(elevationCorrectionInches(at->drop), yards, unit, card.click)
                                          : std::nullopt);
        }
        card.rows.push_back(std::move(row));
    }
    return card;
}

std::string cardNumberCell(const std::optional<double>& value, int decimals) {
    if (!value || !std::isfinite(*value)) return "--";
    std::string text = cFormat("%.*f", decimals, *value);
    // A figure that rounds to nothing prints without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string cardAngleCell(const std::optional<double>& angle, CardAngle unit) {
    return cardNumberCell(angle, unit == CardAngle::Clicks ? 0 : 1);
}

std::string fieldCardCsv(const FieldCard& card) {
    const FieldCardRequest& r = card.request;
    std::vector<std::string> header{std::string("range_") + rangeUnit(r), "target", "elevation"};
    for (const double wind : r.winds) header.push_back("wind_" + numberText(wind));
    for (const double t : r.temperatures) header.push_back("temp_" + numberText(t));
    if (r.velocity) header.push_back(metric(r) ? "velocity_mps" : "velocity_fps");
    if (r.time) header.push_back("time_s");
    if (r.energy) header.push_back(metric(r) ? "energy_j" : "energy_ftlb");
    std::string text;
    const auto addLine = [&text](const std::vector<std::string>& fields) {
        // The target is the one cell a user types: it is kept from being read as a formula.
        for (std::size_t i = 0; i < fields.size(); ++i)
            text += (i ? "," : "") + (i == 1 ? csvTextField(fields[i]) : csvField(fields[i]));
        text += '\n';
    };
    addLine(header);
    for (const FieldCardRow& row : card.rows) {
        std::vector<std::string> fields{numberText(row.range), row.target, cardAngleCell(row.elevation, r.angle)};
        for (const auto& wind : row.winds) fields.push_back(cardAngleCell(wind, r.angle));
        for (const auto& t : row.temperatures) fields.push_back(cardAngleCell(t, r.angle));
        if (r.velocity) fields.push_back(cardNumberCell(row.velocity, 0));
        if (r.time) fields.push_back(cardNumberCell(row.time, 2));
        if (r.energy) fields.push_back(cardNumberCell(row.energy, 0));
        // None is an empty field, as the table's CSV leaves it; the target is a name, not a figure.
        for (std::size_t i = 2; i < fields.size(); ++i)
            if (fields[i] == "--") fields[i].clear();
        addLine(fields);
    }
    return text;
}

}  // namespace vorlan
