#pragma once
// The bullet diameter a shot flies with when Bullet Diameter is left at 0: read from the
// calibre text by a table of common cartridge names (SAAMI and C.I.P. bullet diameters), then
// by rules for the rest. A calibre's name is not its diameter: "6.5x" is 0.264 in, "30-0"
// (30-06, 30-30) 0.308 in, "9mm" 0.355 in. The Caliber field holds four characters, so the
// table reads the four-character forms ("22-2", "7.62", "9.3x", "300W") as well as longer names
// a file may hold.

#include <string_view>

namespace vorlan {

enum class DiameterSource { None, Entered, CaliberTable, CaliberText };

struct BulletDiameter {
    double inches = 0.0;  // 0 when no source gives one
    DiameterSource source = DiameterSource::None;
};

// Diameters read from a calibre lie in this range, inches; outside it the text gives none.
inline constexpr double kSmallestCaliber = 0.1;
inline constexpr double kLargestCaliber = 1.0;

// The diameter a calibre text names: a cartridge of the table (longest name first), else
//  - a leading number below 1 is inches (".308", "0.264");
//  - a number with "mm", or a metric pattern like "6.5x55", is millimetres;
//  - a three-digit American name is thousandths ("308 Win") and a two-digit one, alone or
//    hyphenated, hundredths ("30-30", "45").
// None when no rule gives a diameter from kSmallestCaliber to kLargestCaliber.
BulletDiameter caliberDiameter(std::string_view caliber);

// The entered diameter when it is above 0, else the calibre's.
BulletDiameter bulletDiameter(double entered, std::string_view caliber);

// "entered", "calibre table", "calibre text" or "none", in the chosen language.
std::string_view diameterSourceName(DiameterSource source);

}  // namespace vorlan
