// A shot as a .a7p profile: the inverse of the import, from the shot's units to the profile's
// scaled metric integers, with the fields kept on the shot's "A7P Extras:" line put back.

#include <google/protobuf/io/tokenizer.h>
#include <google/protobuf/text_format.h>

#include <algorithm>
#include <cmath>

#include "engine/Atmosphere.h"
#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "engine/Units.h"
#include "shot/CLocaleNumbers.h"
#include "shot/CaliberDiameter.h"
#include "shot/PrintableText.h"
#include "shot/profiles/A7pPayload.h"

namespace vorlan {

namespace {

constexpr int kG7 = 4;
constexpr std::size_t kMaxDistances = 200;
constexpr double kNearestDistance = 1.0;      // m: a 1-yd row is too near for the format
constexpr double kFarthestDistance = 3000.0;  // m

// The nearest stored integer; values far beyond an int32 become its limits, which the bounds
// check then refuses.
std::int32_t scaled(double value, double scale) {
    const double v = std::round(value * scale);
    return static_cast<std::int32_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}

double celsiusOf(double fahrenheit) { return (fahrenheit - 32.0) / 1.8; }
double metresPerSecondOf(double fps) { return fps * kMetresPerFoot; }

class SilentErrors : public google::protobuf::io::ErrorCollector {
public:
    void AddError(int, google::protobuf::io::ColumnNumber, const std::string&) override {}
};

bool readKept(const std::string& text, a7p::Profile& kept) {
    google::protobuf::TextFormat::Parser parser;
    SilentErrors errors;
    parser.RecordErrorsTo(&errors);
    return parser.ParseFromString(text, &kept);
}

void putNames(const ShotParameters& shot, a7p::Profile& p) {
    const std::string caliber = p.caliber();
    if (shot.name != shotNameOf(p)) p.set_profile_name(std::string(leadingCharacters(shot.name, 50)));
    if (caliber.empty() || shortCaliberOf(caliber) != shot.caliber) p.set_caliber(shot.caliber);
    if (p.cartridge_name().empty()) p.set_cartridge_name(p.caliber());
    if (p.bullet_name().empty()) p.set_bullet_name(cFormat("%.1f gr", shot.weight));
    if (p.short_name_top().empty()) p.set_short_name_top(std::string(leadingCharacters(p.caliber(), 8)));
    if (p.short_name_bot().empty()) p.set_short_name_bot(cFormat("%.0fgr", std::min(shot.weight, 9999.0)));
}

std::string putBullet(const ShotParameters& shot, a7p::Profile& p) {
    const AdvancedEffects& e = shot.advanced;
    const double diameter = bulletDiameter(e.bulletDiameter, shot.caliber).inches;
    if (diameter <= 0.0)
        return translated("Bullet Diameter: the profile needs the bullet's diameter; enter it in the advanced inputs");
    if (e.bulletLength <= 0.0)
        return translated("Bullet Length: the profile needs the bullet's length; enter it in the advanced inputs");
    p.set_b_diameter(scaled(diameter, 1000));
    p.set_b_weight(scaled(shot.weight, 10));
    p.set_b_length(scaled(e.bulletLength, 1000));
    p.set_sc_height(scaled(shot.sightHeight, 25.4));
    p.set_r_twist(scaled(e.twistRate, 100));
    p.set_twist_dir(e.leftTwist ? a7p::LEFT : a7p::RIGHT);
    p.set_c_muzzle_velocity(scaled(metresPerSecondOf(shot.velocity), 10));
    p.set_c_zero_temperature(scaled(celsiusOf(e.powderReferenceTemperature), 1));
    // ft/s per degree F as % of the velocity per 15 C (27 F) x 1000.
    p.set_c_t_coeff(scaled(e.powderSensitivity * 27.0 / shot.velocity, 1e5));
    return {};
}

// The zero day's air: the zero conditions when the shot has them, else its own air.
void putZeroAir(const ShotParameters& shot, a7p::Profile& p) {
    const AdvancedEffects& e = shot.advanced;
    const bool zero = e.zeroConditions;
    const double pressure =
        zero ? e.zeroPressure : toStationPressure(shot.pressure, shot.altitude, shot.stationPressure);
    p.set_c_zero_air_temperature(scaled(celsiusOf(zero ? e.zeroTemperature : shot.temperature), 1));
    p.set_c_zero_air_pressure(scaled(inchesHgToHectopascals(pressure), 10));
    p.set_c_zero_air_humidity(scaled(zero ? e.zeroHumidity : shot.relativeHumidity, 1));
    p.set_c_zero_p_temperature(scaled(celsiusOf(zero ? e.zeroPowderTemperature : e.powderTemperature), 1));
}

// The card's ranges (else the table's rows), with the sight-in range among them.
void putDistances(const ShotParameters& shot, a7p::Profile& p) {
    std::vector<double> yards = shot.cardRanges;
    if (yards.empty())
        for (int row = 1; row <= shot.incrementCount; ++row)
            yards.push_back(static_cast<double>(row) * shot.rangeIncrement);
    std::vector<std::int32_t> distances;
    for (const double y : yards)
        if (y * kMetresPerYard >= kNearestDistance && y * kMetresPerYard <= kFarthestDistance &&
            distances.size() < kMaxDistances - 1)
            distances.push_back(scaled(y * kMetresPerYard, 100));
    const auto zero = std::find_if(yards.begin(), yards.end(),
                                   [&](double y) { return std::round(y) == std::round(shot.sightInRange); });
    const std::int32_t zeroDistance =
        zero != yards.end() ? scaled(*zero * kMetresPerYard, 100) : scaled(shot.sightInRange * kMetresPerYard, 100);
    if (std::find(distances.begin(), distances.end(), zeroDistance) == distances.end()) {
        const bool sorted = std::is_sorted(distances.begin(), distances.end());
        distances.insert(sorted ? std::upper_bound(distances.begin(), distances.end(), zeroDistance) : distances.end(),
                         zeroDistance);
    }
    p.clear_distances();
    for (const std::int32_t d : distances) p.add_distances(d);
    p.set_c_zero_distance_idx(
        static_cast<std::int32_t>(std::find(distances.begin(), distances.end(), zeroDistance) - distances.begin()));
}

// A custom drag table is the bullet's own drag in the profile: its Cd is scaled by the
// sectional density over the shot's coefficient, which the import takes as the coefficient.
std::string putCustomDrag(const ShotParameters& shot, a7p::Profile& p) {
    const double diameter = bulletDiameter(shot.advanced.bulletDiameter, shot.caliber).inches;
    const double scale = shot.weight / 7000.0 / (diameter * diameter) / shot.ballisticCoefficient;
    p.set_bc_type(a7p::CUSTOM);
    std::int32_t lastMach = -1;
    for (const MachCd& point : shot.advanced.customDrag) {
        a7p::CoefRow* row = p.add_coef_rows();
        row->set_mv(scaled(point.mach, 10));
        row->set_bc_cd(scaled(point.cd * scale, 1e4));
        if (row->mv() == lastMach)
            return translated("Custom Drag: two points fall on Mach %1, the profile's resolution",
                              {cFormat("%.1f", lastMach / 10.0)});
        lastMach = row->mv();
    }
    return {};
}

std::string putCoefficients(const ShotParameters& shot, a7p::Profile& p) {
    p.clear_coef_rows();
    if (shot.advanced.customDragOn()) return putCustomDrag(shot, p);
    if (shot.dragFunction != kG1 && shot.dragFunction != kG7)
        return translated("Drag Function: a profile takes G1, G7 or a custom drag table, not the shot's drag function");
    p.set_bc_type(shot.dragFunction == kG7 ? a7p::G7 : a7p::G1);
    if (!shot.advanced.bcBandsOn()) {
        p.add_coef_rows()->set_bc_cd(scaled(shot.ballisticCoefficient, 1e4));
        return {};
    }
    std::vector<BcBand> bands = shot.advanced.bcBands;
    std::sort(bands.begin(), bands.end(), [](const BcBand& a, const BcBand& b) { return a.velocity > b.velocity; });
    for (const BcBand& band : bands) {
        a7p::CoefRow* row = p.add_coef_rows();
        row->set_bc_cd(scaled(band.coefficient, 1e4));
        row->set_mv(scaled(metresPerSecondOf(band.velocity), 10));
    }
    return {};
}

}  // namespace

a7p::Profile profileFromShot(const ShotParameters& shot, std::string& error) {
    a7p::Profile p;
    if (!shot.profileExtras.empty() && !readKept(shot.profileExtras, p)) {
        error = translated("A7P Extras: the kept profile fields do not read");
        return p;
    }
    putNames(shot, p);
    error = putBullet(shot, p);
    if (!error.empty()) return p;
    putZeroAir(shot, p);
    putDistances(shot, p);
    error = putCoefficients(shot, p);
    return p;
}

}  // namespace vorlan
