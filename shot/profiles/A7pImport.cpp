// A .a7p profile mapped onto a new shot: each field Vorlan has a place for, converted from the
// profile's scaled metric integers to the shot's units; the rest kept as text for the export.

#include <google/protobuf/text_format.h>

#include <algorithm>
#include <cmath>

#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "engine/Units.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/ShotCheck.h"
#include "shot/profiles/A7pPayload.h"

namespace vorlan {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr DragFunction kG7 = 4;
// The shot's table after an import: rows this far apart out to the farthest distance.
constexpr int kImportedRangeIncrement = 50;

double fahrenheitOf(double celsius) { return celsius * 1.8 + 32.0; }
double fpsOf(double metresPerSecond) { return metresPerSecond / kMetresPerFoot; }
double yardsOf(double metres) { return metres / kMetresPerYard; }

// c_t_coeff, % of the velocity per 15 C x 1000, as ft/s per degree F (15 C is 27 F).
double sensitivityOf(std::int32_t coefficient, double velocity) { return coefficient / 1e5 * velocity / 27.0; }

void mapBullet(const a7p::Profile& p, ShotParameters& shot) {
    AdvancedEffects& e = shot.advanced;
    shot.name = shotNameOf(p);
    shot.caliber = shortCaliberOf(p.caliber());
    e.bulletDiameter = p.b_diameter() / 1000.0;
    shot.weight = p.b_weight() / 10.0;
    e.bulletLength = p.b_length() / 1000.0;
    shot.sightHeight = p.sc_height() / kMillimetresPerInch;
    e.twistRate = p.r_twist() / 100.0;
    e.leftTwist = p.twist_dir() == a7p::LEFT;
    shot.velocity = fpsOf(p.c_muzzle_velocity() / 10.0);
    e.powderReferenceTemperature = fahrenheitOf(p.c_zero_temperature());
    e.powderSensitivity = sensitivityOf(p.c_t_coeff(), shot.velocity);
}

// The table: the distances' own rows when they are whole yards evenly apart from the first
// (as an exported table's rows are), else rows 50 yd apart out to the farthest.
void tableOfDistances(const std::vector<double>& yards, ShotParameters& shot) {
    const double step = std::round(yards.front());
    bool even = step >= 1.0 && yards.size() * step <= kLongestTable;
    for (std::size_t i = 0; even && i < yards.size(); ++i) even = std::abs(yards[i] - step * (i + 1)) < 0.01;
    const double farthest = *std::max_element(yards.begin(), yards.end());
    shot.rangeIncrement = even ? static_cast<int>(step) : kImportedRangeIncrement;
    shot.incrementCount = even ? static_cast<int>(yards.size())
                               : std::clamp(static_cast<int>(std::ceil(farthest / kImportedRangeIncrement)), 1,
                                            kLongestTable / kImportedRangeIncrement);
}

// The zero range and the zero day's air, which the shot then flies as its own.
void mapZero(const a7p::Profile& p, ShotParameters& shot) {
    AdvancedEffects& e = shot.advanced;
    for (const std::int32_t distance : p.distances()) shot.cardRanges.push_back(yardsOf(distance / 100.0));
    shot.sightInRange = std::round(shot.cardRanges[static_cast<std::size_t>(p.c_zero_distance_idx())]);
    tableOfDistances(shot.cardRanges, shot);
    e.zeroConditions = true;
    e.zeroTemperature = shot.temperature = fahrenheitOf(p.c_zero_air_temperature());
    e.zeroPressure = shot.pressure = p.c_zero_air_pressure() / 10.0 / kHectopascalsPerInchHg;
    e.zeroHumidity = shot.relativeHumidity = p.c_zero_air_humidity();
    e.zeroPowderTemperature = e.powderTemperature = fahrenheitOf(p.c_zero_p_temperature());
    shot.stationPressure = true;
    shot.altitude = 0.0;
}

void mapCoefficients(const a7p::Profile& p, ShotParameters& shot) {
    std::vector<a7p::CoefRow> rows(p.coef_rows().begin(), p.coef_rows().end());
    if (p.bc_type() == a7p::CUSTOM) {
        std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.mv() < b.mv(); });
        for (const a7p::CoefRow& row : rows) shot.advanced.customDrag.push_back({row.mv() / 10.0, row.bc_cd() / 1e4});
        // The table is the bullet's own drag: its coefficient is its sectional density.
        const double diameter = shot.advanced.bulletDiameter;
        shot.ballisticCoefficient = shot.weight / 7000.0 / (diameter * diameter);
        shot.dragFunction = kG1;
        return;
    }
    shot.dragFunction = p.bc_type() == a7p::G7 ? kG7 : kG1;
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.mv() > b.mv(); });
    shot.ballisticCoefficient = rows.front().bc_cd() / 1e4;
    if (rows.size() > 1)
        for (const a7p::CoefRow& row : rows)
            shot.advanced.bcBands.push_back({fpsOf(row.mv() / 10.0), row.bc_cd() / 1e4});
}

// The fields kept without a place, and a line for each that holds something.
a7p::Profile keptFields(const a7p::Profile& p, std::vector<std::string>& unmapped) {
    a7p::Profile kept;
    kept.set_profile_name(p.profile_name());
    kept.set_cartridge_name(p.cartridge_name());
    kept.set_bullet_name(p.bullet_name());
    kept.set_caliber(p.caliber());
    kept.set_short_name_top(p.short_name_top());
    kept.set_short_name_bot(p.short_name_bot());
    kept.set_user_note(p.user_note());
    kept.set_device_uuid(p.device_uuid());
    kept.set_zero_x(p.zero_x());
    kept.set_zero_y(p.zero_y());
    kept.set_c_zero_w_pitch(p.c_zero_w_pitch());
    *kept.mutable_switches() = p.switches();
    const auto text = [&](const char* field, const std::string& value) {
        if (!value.empty()) unmapped.push_back(std::string(field) + ": \"" + printableText(value) + "\"");
    };
    if (!p.profile_name().empty()) {
        text("cartridge_name", p.cartridge_name());
        text("bullet_name", p.bullet_name());
    }
    text("short_name_top", p.short_name_top());
    text("short_name_bot", p.short_name_bot());
    text("user_note", p.user_note());
    text("device_uuid", p.device_uuid());
    if (p.zero_x() != 0) unmapped.push_back(translated("zero_x: %1 clicks", {cFormat("%.3f", p.zero_x() / 1000.0)}));
    if (p.zero_y() != 0) unmapped.push_back(translated("zero_y: %1 clicks", {cFormat("%.3f", p.zero_y() / 1000.0)}));
    if (p.c_zero_w_pitch() != 0)
        unmapped.push_back(translated("c_zero_w_pitch: %1 degrees (the zero is taken on a level line of sight)",
                                      {std::to_string(p.c_zero_w_pitch())}));
    if (p.switches_size() > 0)
        unmapped.push_back(translated("switches: %1 reticle switch positions", {std::to_string(p.switches_size())}));
    return kept;
}

std::string oneLineText(const a7p::Profile& kept) {
    google::protobuf::TextFormat::Printer printer;
    printer.SetSingleLineMode(true);
    printer.SetUseUtf8StringEscaping(true);
    std::string text;
    printer.PrintToString(kept, &text);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string shortCaliberOf(std::string_view caliber) { return std::string(leadingCharacters(caliber, 4)); }

std::string shotNameOf(const a7p::Profile& p) {
    std::string name = p.profile_name();
    if (name.empty()) {
        name = p.cartridge_name();
        if (!name.empty() && !p.bullet_name().empty()) name += ' ';
        name += p.bullet_name();
    }
    if (characterCount(p.caliber()) > 4 && name.find(p.caliber()) == std::string::npos)
        name += (name.empty() ? "" : " ") + ("(" + p.caliber() + ")");
    return printableText(name);
}

ProfileImport shotFromProfile(const a7p::Profile& profile) {
    ProfileImport result;
    mapBullet(profile, result.shot);
    mapZero(profile, result.shot);
    mapCoefficients(profile, result.shot);
    result.shot.profileExtras = oneLineText(keptFields(profile, result.unmapped));
    if (const std::string problem = shotProblem(result.shot); !problem.empty())
        result.error = translated("the profile does not fit a shot: %1", {problem});
    return result;
}

}  // namespace vorlan
