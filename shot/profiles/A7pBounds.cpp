// The bounds of the .a7p fields, in their stored (scaled) integers, as the format's editors
// accept them.

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
    {"b_weight", &P::b_weight, 10, 65535, "grains x 10"},
    {"b_diameter", &P::b_diameter, 1, 50000, "in x 1000"},
    {"c_muzzle_velocity", &P::c_muzzle_velocity, 100, 30000, "m/s x 10"},
    {"b_length", &P::b_length, 10, 200000, "in x 1000"},
    {"sc_height", &P::sc_height, -5000, 5000, "mm"},
    {"r_twist", &P::r_twist, 0, 10000, "in x 100"},
    {"zero_x", &P::zero_x, -200000, 200000, "clicks x 1000"},
    {"zero_y", &P::zero_y, -200000, 200000, "clicks x 1000"},
    {"c_zero_temperature", &P::c_zero_temperature, -100, 100, "C"},
    {"c_t_coeff", &P::c_t_coeff, 0, 5000, "% per 15 C x 1000"},
    {"c_zero_air_temperature", &P::c_zero_air_temperature, -100, 100, "C"},
    {"c_zero_air_pressure", &P::c_zero_air_pressure, 3000, 15000, "hPa x 10"},
    {"c_zero_air_humidity", &P::c_zero_air_humidity, 0, 100, "%"},
    {"c_zero_w_pitch", &P::c_zero_w_pitch, -90, 90, "degrees"},
    {"c_zero_p_temperature", &P::c_zero_p_temperature, -100, 100, "C"},
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
    if (value == 0 && bound.minimum > 0) return cFormat("%s: missing (0)", bound.field);
    return cFormat("%s: %d is outside %d to %d (%s)", bound.field, value, bound.minimum, bound.maximum, bound.unit);
}

std::string distancesProblem(const P& profile) {
    if (profile.distances_size() < 1 || profile.distances_size() > kMaxDistances)
        return cFormat("distances: %d ranges, not 1 to %d", profile.distances_size(), kMaxDistances);
    for (int i = 0; i < profile.distances_size(); ++i)
        if (profile.distances(i) < 100 || profile.distances(i) > 300000)
            return cFormat("distances[%d]: %d is outside 100 to 300000 (m x 100)", i, profile.distances(i));
    if (profile.c_zero_distance_idx() < 0 || profile.c_zero_distance_idx() >= profile.distances_size())
        return cFormat("c_zero_distance_idx: %d is not an index of the %d distances", profile.c_zero_distance_idx(),
                       profile.distances_size());
    return {};
}

std::string coefficientProblem(const P& profile) {
    const bool custom = profile.bc_type() == a7p::CUSTOM;
    if (!a7p::GType_IsValid(profile.bc_type()))
        return cFormat("bc_type: %d is not G1, G7 or CUSTOM", static_cast<int>(profile.bc_type()));
    const int most = custom ? kMaxCustomRows : kMaxCoefficientRows;
    if (profile.coef_rows_size() < 1 || profile.coef_rows_size() > most)
        return cFormat("coef_rows: %d rows, not 1 to %d", profile.coef_rows_size(), most);
    for (int i = 0; i < profile.coef_rows_size(); ++i) {
        const a7p::CoefRow& row = profile.coef_rows(i);
        if (row.bc_cd() <= 0 || row.bc_cd() > 100000)
            return cFormat("coef_rows[%d].bc_cd: %d is outside 1 to 100000 (x 10000)", i, row.bc_cd());
        if (row.mv() < 0 || row.mv() > (custom ? 100 : 30000))
            return cFormat("coef_rows[%d].mv: %d is outside 0 to %d (%s)", i, row.mv(), custom ? 100 : 30000,
                           custom ? "Mach x 10" : "m/s x 10");
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
            return cFormat("%s: longer than %zu characters", bound.field, bound.maximum);
    if (!a7p::TwistDir_IsValid(profile.twist_dir()))
        return cFormat("twist_dir: %d is not RIGHT or LEFT", static_cast<int>(profile.twist_dir()));
    if (std::string problem = distancesProblem(profile); !problem.empty()) return problem;
    return coefficientProblem(profile);
}

}  // namespace vorlan
