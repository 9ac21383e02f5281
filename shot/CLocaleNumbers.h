#pragma once
// Number text in the C locale, whatever the user's locale: the shot file, the settings file,
// the reports and the dialogs all read and write numbers with a decimal point.

#include <string>
#include <string_view>

namespace vorlan {

// printf-style formatting in the C locale.
std::string cFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends `value` as printf's "%<width>.<precision>f" would, without its cost: the digits
// come from std::to_chars, which rounds exactly as printf does.
void appendFixed(std::string& text, double value, int width, int precision);

// Appends `value` in its shortest exact form: the fewest digits that read back as the same
// double ("0.9144", not "0.91439999999999999"), as std::to_chars writes it.
void appendRoundTrip(std::string& text, double value);

// `value` in the printf `format` (one double), or in its shortest exact form (appendRoundTrip)
// when that text would read back as another number: what is written reads back as flown.
std::string cFormatReadingBack(const char* format, double value);

// The C library's text-to-double conversion: leading white space skipped, the longest number
// prefix taken, the rest ignored; 0 when there is no number.
double cToDouble(std::string_view text);

// The C library's text-to-int conversion with the same rules; a value beyond the int range
// wraps as the C library's own conversion does on this platform (so "4294967295" is -1).
int cToInt(std::string_view text);

// Exactly one "%lg" conversion of the text (white space skipped, trailing text ignored).
bool cScanDouble(std::string_view text, double& value);

// Exactly one "%d" conversion; a value beyond the int range is held at the nearest limit.
bool cScanInt(std::string_view text, int& value);

// "%g"-style and "%d"-style texts, as the dialogs show numbers.
inline std::string cShowDouble(double value) { return cFormat("%g", value); }
inline std::string cShowInt(int value) { return cFormat("%d", value); }

// Whether `text` begins with `prefix`, ignoring ASCII case.
bool startsWithNoCase(std::string_view text, std::string_view prefix);
// Whether the two texts are the same, ignoring ASCII case.
inline bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithNoCase(a, b);
}

}  // namespace vorlan
