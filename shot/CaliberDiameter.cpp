#include "shot/CaliberDiameter.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "engine/Catalogue.h"

namespace vorlan {

namespace {

struct Cartridge {
    std::string_view name;  // lower case, without spaces or a leading point
    double diameter;        // inches
};

// Names whose number is not the bullet's diameter in inches, and the common cartridges.
// A name matches the start of the calibre text; the longest match wins.
constexpr Cartridge kCartridges[] = {
    {"17hmr", 0.172},
    {"17hornet", 0.172},
    {"177", 0.177},
    {"204", 0.204},
    {"22lr", 0.223},
    {"22longrifle", 0.223},
    {"22short", 0.223},
    {"22wmr", 0.224},
    {"22mag", 0.224},
    {"22hornet", 0.224},
    {"22-250", 0.224},
    {"220", 0.224},
    {"222", 0.224},
    {"223", 0.224},
    {"224", 0.224},
    {"5.56", 0.224},
    {"22airgun", 0.217},
    {"22pellet", 0.217},
    {"5.5mm", 0.217},
    {"25airgun", 0.25},
    {"243", 0.243},
    {"6mm", 0.243},
    {"25-06", 0.257},
    {"257", 0.257},
    {"6.5", 0.264},
    {"260", 0.264},
    {"264", 0.264},
    {"270", 0.277},
    {"6.8", 0.277},
    {"7mm", 0.284},
    {"280", 0.284},
    {"284", 0.284},
    {"7x57", 0.284},
    {"7x64", 0.284},
    {"30-06", 0.308},
    {"30-30", 0.308},
    {"300", 0.308},
    {"308", 0.308},
    {"7.62x51", 0.308},
    {"7.62nato", 0.308},
    {"7.62x39", 0.311},
    {"7.62x54", 0.311},
    {"303", 0.312},
    {"8x57", 0.323},
    {"8mm", 0.323},
    {"338", 0.338},
    {"9mm", 0.355},
    {"9x19", 0.355},
    {"380", 0.355},
    {"38special", 0.357},
    {"38spl", 0.357},
    {"357", 0.357},
    {"10mm", 0.400},
    {"40s&w", 0.400},
    {"40", 0.400},
    {"44mag", 0.429},
    {"44", 0.429},
    {"45acp", 0.451},
    {"45auto", 0.451},
    {"45colt", 0.452},
    {"45-70", 0.458},
    {"50bmg", 0.510},
    // The Caliber field holds four characters: the forms shooters write in four.
    {"22-2", 0.224},
    {"25-0", 0.257},
    {"30-0", 0.308},
    {"30-3", 0.308},
    {"7.62", 0.308},
    {"7.5x", 0.308},
    {"9.3", 0.366},
};

// Lower case, without white space, without a leading point.
std::string normalised(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!out.empty() && out.front() == '.') out.erase(0, 1);
    return out;
}

bool usable(double inches) { return inches >= kSmallestCaliber && inches <= kLargestCaliber; }

// The rules for a calibre the table does not name; 0 when none applies.
double ruleDiameter(std::string_view caliber) {
    std::size_t start = 0;
    while (start < caliber.size() && std::isspace(static_cast<unsigned char>(caliber[start]))) ++start;
    const std::string text(caliber.substr(start));
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.')) return 0.0;
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    const std::size_t length = static_cast<std::size_t>(end - text.c_str());
    if (length == 0) return 0.0;
    if (number < 1.0) return number;
    const std::string rest = normalised(text.substr(length));
    const bool metric = rest.rfind("mm", 0) == 0 ||
                        (rest.size() >= 2 && rest[0] == 'x' && std::isdigit(static_cast<unsigned char>(rest[1])));
    if (metric) return number / 25.4;
    const bool whole = text.find_first_not_of("0123456789") == length || length == text.size();
    if (!whole) return 0.0;
    if (length == 3) return number / 1000.0;
    if (length == 2) return number / 100.0;
    return 0.0;
}

}  // namespace

BulletDiameter caliberDiameter(std::string_view caliber) {
    const std::string key = normalised(caliber);
    const Cartridge* best = nullptr;
    for (const Cartridge& c : kCartridges)
        if (key.rfind(c.name, 0) == 0 && (!best || c.name.size() > best->name.size())) best = &c;
    // A longer number ("2230") is not the cartridge its first digits name.
    if (best && !(key.size() > best->name.size() && std::isdigit(static_cast<unsigned char>(best->name.back())) &&
                  std::isdigit(static_cast<unsigned char>(key[best->name.size()]))))
        return {best->diameter, DiameterSource::CaliberTable};
    const double inches = ruleDiameter(caliber);
    if (usable(inches)) return {inches, DiameterSource::CaliberText};
    return {};
}

BulletDiameter bulletDiameter(double entered, std::string_view caliber) {
    if (entered > 0.0) return {entered, DiameterSource::Entered};
    return caliberDiameter(caliber);
}

std::string_view diameterSourceName(DiameterSource source) {
    switch (source) {
        case DiameterSource::Entered:
            return translated("entered");
        case DiameterSource::CaliberTable:
            return translated("calibre table");
        case DiameterSource::CaliberText:
            return translated("calibre text");
        default:
            return translated("none");
    }
}

}  // namespace vorlan
