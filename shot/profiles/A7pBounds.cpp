// The bounds of the .a7p fields, in their stored (scaled) integers, as the format's editors
// accept them.

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/profiles/A7pPayload.h"

namespace vorlan {

namespace {

using P = a7p::Profile;

struct IntBound {
    const char* field;
    std::int32_t (P::*get)() const;
    std::int32_t minimum;
    std::int32_t maximum;
    const char* unit;  // of the stored integer
};

// A zero in the first three is the bullet or the velocity missing.
const IntBound kIntBounds[] = {
    {"b_weight", &P::b_weight, 10, 65535, N_("grains x 10")},
    {"b_diameter", &P::b_diameter, 1, 50000, N_("in x 1000")},
    {"c_muzzle_velocity", &P::c_muzzle_velocity, 100, 30000, N_("m/s x 10")},
    {"b_length", &P::b_length, 10, 200000, N_("in x 1000")},
    {"sc_height", &P::sc_height, -5000, 5000, N_("mm")},
    {"r_twist", &P::r_twist, 0, 10000, N_("in x 100")},
    {"zero_x", &P::zero_x, -200000, 200000, N_("clicks x 1000")},
    {"zero_y", &P::zero_y, -200000, 200000, N_("clicks x 1000")},
    {"c_zero_temperature", &P::c_zero_temperature, -100, 100, N_("C")},
    {"c_t_coeff", &P::c_t_coeff, 0, 5000, N_("% per 15 C x 1000")},
    {"c_zero_air_temperature", &P::c_zero_air_temperature, -100, 100, N_("C")},
    {"c_zero_air_pressure", &P::c_zero_air_pressure, 3000, 15000, N_("hPa x 10")},
    {"c_zero_air_humidity", &P::c_zero_air_humidity, 0, 100, N_("%")},
    {"c_zero_w_pitch", &P::c_zero_w_pitch, -90, 90, N_("degrees")},
    {"c_zero_p_temperature", &P::c_zero_p_temperature, -100, 100, N_("C")},
};

struct TextBound {
    const char* field;
    const std::string& (P::*get)() const;
    std::size_t maximum;  // characters
};

const TextBound kTextBounds[] = {
    {"profile_name", &P::profile_name, 50},    {"cartridge_name", &P::cartridge_name, 50},
    {"bullet_name", &P::bullet_name, 50},      {"caliber", &P::caliber, 50},
    {"short_name_top", &P::short_name_top, 8}, {"short_name_bot", &P::short_name_bot, 8},
    {"user_note", &P::user_note, 1024},        {"device_uuid", &P::device_uuid, 50},
};

constexpr int kMaxDistances = 200;
constexpr int kMaxCoefficientRows = 5;  // G1 and G7; a CUSTOM table holds up to 200
constexpr int kMaxCustomRows = 200;

std::string intProblem(const IntBound& bound, std::int32_t value) {
    if (value == 0 && bound.minimum > 0) return translated("%1: missing (0)", {bound.field});
    return translated("%1: %2 is outside %3 to %4 (%5)",
                      {bound.field, std::to_string(value), std::to_string(bound.minimum), std::to_string(bound.maximum),
                       translated(bound.unit)});
}

std::string distancesProblem(const P& profile) {
    if (profile.distances_size() < 1 || profile.distances_size() > kMaxDistances)
        return translated("distances: %1 ranges, not 1 to %2",
                          {std::to_string(profile.distances_size()), std::to_string(kMaxDistances)});
    for (int i = 0; i < profile.distances_size(); ++i)
        if (profile.distances(i) < 100 || profile.distances(i) > 300000)
            return translated("distances[%1]: %2 is outside 100 to 300000 (m x 100)",
                              {std::to_string(i), std::to_string(profile.distances(i))});
    if (profile.c_zero_distance_idx() < 0 || profile.c_zero_distance_idx() >= profile.distances_size())
        return translated("c_zero_distance_idx: %1 is not an index of the %2 distances",
                          {std::to_string(profile.c_zero_distance_idx()), std::to_string(profile.distances_size())});
    return {};
}

std::string coefficientProblem(const P& profile) {
    const bool custom = profile.bc_type() == a7p::CUSTOM;
    if (!a7p::GType_IsValid(profile.bc_type()))
        return translated("bc_type: %1 is not G1, G7 or CUSTOM", {std::to_string(static_cast<int>(profile.bc_type()))});
    const int most = custom ? kMaxCustomRows : kMaxCoefficientRows;
    if (profile.coef_rows_size() < 1 || profile.coef_rows_size() > most)
        return translated("coef_rows: %1 rows, not 1 to %2",
                          {std::to_string(profile.coef_rows_size()), std::to_string(most)});
    for (int i = 0; i < profile.coef_rows_size(); ++i) {
        const a7p::CoefRow& row = profile.coef_rows(i);
        if (row.bc_cd() <= 0 || row.bc_cd() > 100000)
            return translated("coef_rows[%1].bc_cd: %2 is outside 1 to 100000 (x 10000)",
                              {std::to_string(i), std::to_string(row.bc_cd())});
        if (row.mv() < 0 || row.mv() > (custom ? 100 : 30000))
            return translated("coef_rows[%1].mv: %2 is outside 0 to %3 (%4)",
                              {std::to_string(i), std::to_string(row.mv()), std::to_string(custom ? 100 : 30000),
                               custom ? translated("Mach x 10") : translated("m/s x 10")});
    }
    return {};
}

}  // namespace

std::string a7pBoundsProblem(const a7p::Profile& profile) {
    for (const IntBound& bound : kIntBounds) {
        const std::int32_t value = (profile.*bound.get)();
        if (value < bound.minimum || value > bound.maximum) return intProblem(bound, value);
    }
    for (const TextBound& bound : kTextBounds)
        if (characterCount((profile.*bound.get)()) > bound.maximum)
            return translated("%1: longer than %2 characters", {bound.field, std::to_string(bound.maximum)});
    if (!a7p::TwistDir_IsValid(profile.twist_dir()))
        return translated("twist_dir: %1 is not RIGHT or LEFT",
                          {std::to_string(static_cast<int>(profile.twist_dir()))});
    if (std::string problem = distancesProblem(profile); !problem.empty()) return problem;
    return coefficientProblem(profile);
}

}  // namespace vorlan
