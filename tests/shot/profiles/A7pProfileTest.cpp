#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"
#include "shot/profiles/A7pFile.h"

namespace vorlan {
namespace {

// A Protocol Buffers encoder of its own, from the wire format's public description, so that
// the fixtures do not come from the code under test.
class Wire {
public:
    Wire& number(int field, std::int64_t value) {  // int32 and enums: a varint; zero is left out
        if (value != 0) varint(static_cast<std::uint64_t>(field) << 3).varint(static_cast<std::uint64_t>(value));
        return *this;
    }
    Wire& bytes(int field, const std::string& value) {
        if (value.empty()) return *this;
        varint(static_cast<std::uint64_t>(field) << 3 | 2).varint(value.size());
        out_ += value;
        return *this;
    }
    Wire& packed(int field, std::initializer_list<std::int64_t> values) {
        Wire list;
        for (const std::int64_t v : values) list.varint(static_cast<std::uint64_t>(v));
        return bytes(field, list.out_);
    }
    const std::string& text() const { return out_; }

private:
    Wire& varint(std::uint64_t v) {
        for (; v >= 0x80; v >>= 7) out_ += static_cast<char>((v & 0x7f) | 0x80);
        out_ += static_cast<char>(v);
        return *this;
    }
    std::string out_;
};

std::string md5Hex(const std::string& bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_md5(), nullptr);
    std::string hex;
    for (unsigned int i = 0; i < size; ++i) hex += cFormat("%02x", digest[i]);
    return hex;
}

std::string coefRow(int bc, int mv) { return Wire().number(1, bc).number(2, mv).text(); }

struct Fixture {
    int bcType = 1;  // G7
    std::string rows = Wire().bytes(27, coefRow(2430, 0)).text();
    int weight = 1750, velocity = 8000, zeroIndex = 1, height = 90, md5Flip = 0;
    std::string caliber = ".308 Win";
    int pressure = 10000;  // hPa x 10
    int diameter = 308;    // inches x 1000
};

// A .308 profile: every field set, in field order, as a writer of the format would put it.
std::string profileFile(const Fixture& f) {
    Wire p;
    p.bytes(1, "Tikka 175").bytes(2, ".308 Win").bytes(3, "SMK 175").bytes(4, "308").bytes(5, "175gr");
    p.bytes(6, "note").number(7, -12000).number(8, 3000).number(9, f.height).number(10, 1000);
    p.number(11, f.velocity).number(12, 15).number(13, 1000).number(14, f.zeroIndex).number(15, 10);
    p.number(16, f.pressure).number(17, 50).number(18, 2).number(19, 20).number(20, f.diameter).number(21, f.weight);
    p.number(22, 1240).number(23, 1).number(24, f.bcType);
    p.bytes(25, Wire().number(1, 255).number(3, 1).number(4, 10000).text());
    p.packed(26, {10000, 20000, 30000});
    std::string text = p.text() + f.rows;
    text += Wire().bytes(28, f.caliber).bytes(29, "uuid-1").text();
    const std::string payload = Wire().bytes(1, text).text();
    std::string digest = md5Hex(payload);
    digest[0] = static_cast<char>(digest[0] + f.md5Flip);
    return digest + payload;
}

double valueOf(const std::string& vxf, const std::string& key) {
    const std::size_t at = vxf.find("\n" + key + ":");
    return at == std::string::npos ? NAN : cToDouble(vxf.substr(at + key.size() + 2));
}

// Every field with a place lands on its key, converted by hand: 800 m/s = 2624.67 ft/s,
// 90 mm = 3.54 in, 100 m = 109.36133 yd, 200 m = 218.72 yd, 1000 hPa = 29.53 inHg, 1 % per 15 C of 2624.67 ft/s
// = 0.97210 ft/s per F; the fields without a place are told and kept.
TEST(A7pProfile, MapsEveryFieldToItsKey) {
    const ProfileImport profile = importA7p(profileFile({}));
    ASSERT_EQ(profile.error, "");
    const std::string vxf = "\n" + shotFileText(profile.shot) + extensionShotFileText(profile.shot);
    EXPECT_NE(vxf.find("\nName:Tikka 175 (.308 Win)\r"), std::string::npos);
    EXPECT_NE(vxf.find("\nCaliber:.308\r"), std::string::npos);
    EXPECT_NE(vxf.find("\nLeft Twist:TRUE\r"), std::string::npos);
    EXPECT_NE(vxf.find("\nZero Conditions:TRUE\r"), std::string::npos);
    EXPECT_NE(vxf.find("\nCard Ranges:109.36132983377078;218.72265966754156;328.0839895013123\r"), std::string::npos);
    EXPECT_NE(vxf.find("\nA7P Extras:"), std::string::npos);
    const struct {
        const char* key;
        double value, tolerance;
    } keys[] = {
        {"Velocity", 2624.7, 0},
        {"Weight", 175.0, 0},
        {"BC", 0.243, 0},
        {"Drag Function", 4, 0},
        {"Sight Height", 3.54, 0},
        {"Sight-In Range", 219, 0},
        {"Bullet Diameter", 0.308, 0},
        {"Bullet Length", 1.24, 0},
        {"Twist Rate", 10, 0},
        {"Powder Temperature", 68, 0},
        {"Powder Sensitivity", 0.97210, 1e-5},
        {"Zero Temperature", 50, 0},
        {"Zero Pressure", 29.530, 1e-3},
        {"Zero Humidity", 50, 0},
        {"Zero Powder Temperature", 68, 0},
        {"Temperature", 50, 0},
        {"Relative Humidity", 50, 0},
    };
    for (const auto& k : keys) EXPECT_NEAR(valueOf(vxf, k.key), k.value, k.tolerance + 1e-9) << k.key;
    const std::string told[] = {"cartridge_name: \".308 Win\"", "zero_x: -12.000 clicks", "zero_y: 3.000 clicks",
                                "c_zero_w_pitch: 2 degrees", "switches: 1 reticle"};
    for (const std::string& field : told) {
        bool found = false;
        for (const std::string& line : profile.unmapped) found = found || line.find(field) == 0;
        EXPECT_TRUE(found) << field;
    }
}

// The coefficient rows: several G1 rows become bands (fastest first in the BC), a CUSTOM
// table the custom drag with the bullet's sectional density, 175 / 7000 / 0.308^2 = 0.26354.
TEST(A7pProfile, CoefficientRowsMapToBcOrBandsOrCustomDrag) {
    Fixture bands;
    bands.bcType = 0;
    bands.rows = Wire().bytes(27, coefRow(2000, 5000)).bytes(27, coefRow(2200, 8000)).text();
    const ShotParameters banded = importA7p(profileFile(bands)).shot;
    EXPECT_EQ(banded.dragFunction, 0);
    EXPECT_EQ(banded.ballisticCoefficient, 0.22);
    ASSERT_EQ(banded.advanced.bcBands.size(), 2u);
    EXPECT_NEAR(banded.advanced.bcBands[1].velocity, 1640.42, 0.01);
    EXPECT_EQ(banded.advanced.bcBands[1].coefficient, 0.2);
    Fixture custom;
    custom.bcType = 2;
    custom.rows = Wire().bytes(27, coefRow(3000, 20)).bytes(27, coefRow(2500, 5)).text();
    const ShotParameters dragged = importA7p(profileFile(custom)).shot;
    ASSERT_EQ(dragged.advanced.customDrag.size(), 2u);
    EXPECT_EQ(dragged.advanced.customDrag[0].mach, 0.5);
    EXPECT_EQ(dragged.advanced.customDrag[1].cd, 0.3);
    EXPECT_NEAR(dragged.ballisticCoefficient, 0.26354, 1e-5);
}

// .a7p -> .vxf -> .a7p gives the same file back, byte for byte, for each coefficient form.
TEST(A7pProfile, ProfileRoundTripIsExact) {
    Fixture forms[4];
    forms[1].bcType = 0;
    forms[1].rows = Wire().bytes(27, coefRow(2200, 8000)).bytes(27, coefRow(2000, 5000)).text();
    forms[2].bcType = 2;
    forms[2].rows = Wire().bytes(27, coefRow(2500, 5)).bytes(27, coefRow(3000, 20)).text();
    forms[3].diameter = 510;  // a .50: a scale off by a part in a thousand shows in the last digit
    for (const Fixture& f : forms) {
        const std::string original = profileFile(f);
        ShotParameters shot;
        readShotText(shotFileText(importA7p(original).shot) + extensionShotFileText(importA7p(original).shot), shot,
                     ShotReadMode::Load);
        const ProfileExport back = exportA7p(shot);
        EXPECT_EQ(back.error, "");
        EXPECT_EQ(back.bytes, original) << f.bcType;
    }
}

// .vxf -> .a7p -> .vxf flies the same table to its printed digits, whatever the coefficient:
// one G7 BC, G1 bands, or a custom drag table (sent as the bullet's own Cd, scaled by the
// sectional density over the BC, and brought back over the sectional density). The values lie
// on the profile's grid (whole millimetres, band velocities in whole m/s, a BC half the
// sectional density).
TEST(A7pProfile, ShotRoundTripFliesTheSameTable) {
    ShotParameters shot;
    shot.name = "Load";
    shot.caliber = ".243";
    shot.velocity = 3000;
    shot.weight = 95;
    shot.sightHeight = 38 / 25.4;  // whole millimetres
    shot.sightInRange = 100;
    shot.rangeIncrement = 100;
    shot.incrementCount = 8;
    shot.advanced.bulletLength = 1.1;
    shot.advanced.zeroConditions = true;  // a profile's zero day, here the shot's own air
    ShotParameters forms[3] = {shot, shot, shot};
    forms[0].ballisticCoefficient = 0.2;
    forms[0].dragFunction = 4;
    forms[1].ballisticCoefficient = 0.4;
    forms[1].advanced.bcBands = {{850 / 0.3048, 0.41}, {650 / 0.3048, 0.4}, {0, 0.38}};
    forms[2].ballisticCoefficient = 95.0 / 7000 / (0.243 * 0.243) / 2;  // the Cd goes out doubled
    forms[2].advanced.customDrag = {{0.5, 0.2}, {1.0, 0.45}, {1.5, 0.4}, {2.0, 0.35}, {3.0, 0.3}};
    for (const ShotParameters& form : forms) {
        const ProfileExport profile = exportA7p(form);
        ASSERT_EQ(profile.error, "");
        const ProfileImport back = importA7p(profile.bytes);
        ASSERT_EQ(back.error, "");
        const auto rows = RangeTableReport(form).printedRows();
        const auto again = RangeTableReport(back.shot).printedRows();
        ASSERT_EQ(rows.size(), again.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(cFormat("%.0f %.1f %.2f", rows[i].velocity, rows[i].drop * 12, rows[i].time),
                      cFormat("%.0f %.1f %.2f", again[i].velocity, again[i].drop * 12, again[i].time))
                << form.ballisticCoefficient << " at " << rows[i].range;
        }
    }
}

// A damaged or incomplete file is refused with the field at fault named, and nothing mapped.
TEST(A7pProfile, RefusesNamingTheField) {
    const std::string good = profileFile({});
    const struct {
        std::string bytes;
        const char* named;
    } cases[] = {
        {profileFile({.md5Flip = 1}), "MD5"},
        {"", "truncated"},
        {good.substr(0, 32), "truncated"},
        {good.substr(0, good.size() - 3), "MD5"},
        {md5Hex("\x0a\x05\x08") + "\x0a\x05\x08", "payload"},
        {profileFile({.weight = 0}), "b_weight: missing"},
        {profileFile({.velocity = 0}), "c_muzzle_velocity: missing"},
        {profileFile({.height = 6000}), "sc_height: 6000 is outside"},
        {profileFile({.zeroIndex = 3}), "c_zero_distance_idx: 3"},
        {profileFile({.bcType = 7}), "bc_type: 7"},
        {profileFile({.rows = ""}), "coef_rows: 0 rows"},
        {profileFile({.height = -10}), "Sight Height"},
        {profileFile({.pressure = 15001}), "c_zero_air_pressure: 15001 is outside 3000 to 15000"},
        {profileFile({.bcType = 2, .rows = Wire().bytes(27, coefRow(3000, 101)).text()}), "coef_rows[0].mv: 101"},
    };
    for (const auto& c : cases) {
        const ProfileImport profile = importA7p(c.bytes);
        EXPECT_NE(profile.error.find(c.named), std::string::npos) << c.named << ": " << profile.error;
    }
    ShotParameters wrongDrag;
    wrongDrag.dragFunction = 2;
    wrongDrag.advanced.bulletLength = 0.5;
    EXPECT_NE(exportA7p(wrongDrag).error.find("Drag Function"), std::string::npos);
    EXPECT_NE(exportA7p(ShotParameters{}).error.find("Bullet Length"), std::string::npos);
    // The default shot's 1-yd row is nearer than the format's 1 m: left out, the rest exported.
    ShotParameters everyYard;
    everyYard.advanced.bulletLength = 0.3;
    const ProfileExport near = exportA7p(everyYard);
    ASSERT_EQ(near.error, "");
    EXPECT_NEAR(importA7p(near.bytes).shot.cardRanges.front(), 2.0, 0.01);
    // The highest bounds are the format's own (Mach 10.0, 200 distances). A shot with the most
    // card ranges (200) keeps its first 199 and its zero range.
    EXPECT_EQ(importA7p(profileFile({.bcType = 2,
                                     .rows = Wire().bytes(27, coefRow(3000, 100)).bytes(27, coefRow(2500, 5)).text()}))
                  .error,
              "");
    ShotParameters most = importA7p(good).shot;
    most.cardRanges.clear();
    for (int yards = 10; yards <= 2000; yards += 10) most.cardRanges.push_back(yards);
    most.sightInRange = 5;
    const ProfileExport exported = exportA7p(most);
    ASSERT_EQ(exported.error, "");
    const std::vector<double> back = importA7p(exported.bytes).shot.cardRanges;
    ASSERT_EQ(back.size(), 200u);
    EXPECT_NEAR(back.front(), 5.0, 0.006);  // to the format's centimetre
    EXPECT_NEAR(back.back(), 1990.0, 0.006);
}

}  // namespace
}  // namespace vorlan
