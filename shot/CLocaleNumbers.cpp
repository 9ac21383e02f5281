#include "shot/CLocaleNumbers.h"

#include <locale.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "engine/PrintfRounding.h"

namespace vorlan {

namespace {

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches this thread to the C locale for the lifetime of the object.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

}  // namespace

std::string cFormat(const char* format, ...) {
    CLocaleScope scope;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

void appendRoundTrip(std::string& text, double value) {
    char buffer[32];  // "-d.dddddddddddddddde-308" and the like
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text.append(buffer, static_cast<std::size_t>(end - buffer));
}

void appendFixed(std::string& text, double value, int width, int precision) {
    char buffer[400];  // the longest double in fixed notation with up to 17 decimals fits
    char* end = buffer;
    if (std::isnan(value)) {
        end = std::copy_n(std::signbit(value) ? "-nan" : "nan", std::signbit(value) ? 4 : 3, buffer);
    } else if (const std::optional<std::uint64_t> digits = printfRoundedDigits(value, precision)) {
        // The digits, with leading zeros so that one stands before the point: 5 -> "005" -> "0.05".
        char plain[48];
        const int pad = precision;
        std::fill_n(plain, pad, '0');
        char* plainEnd = std::to_chars(plain + pad, plain + sizeof plain, *digits).ptr;
        const char* first = std::min<const char*>(plain + pad, plainEnd - precision - 1);
        if (std::signbit(value)) *end++ = '-';
        end = std::copy(first, static_cast<const char*>(plainEnd - precision), end);
        if (precision > 0) {
            *end++ = '.';
            end = std::copy(plainEnd - precision, plainEnd, end);
        }
    } else {
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision).ptr;
    }
    const auto length = static_cast<int>(end - buffer);
    if (length < width) text.append(static_cast<std::size_t>(width - length), ' ');
    text.append(buffer, end);
}

std::string cFormatReadingBack(const char* format, double value) {
    std::string text = cFormat(format, value);
    if (cToDouble(text) == value || !std::isfinite(value)) return text;
    text.clear();
    appendRoundTrip(text, value);
    return text;
}

double cToDouble(std::string_view text) {
    const std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, cLocale());
}

int cToInt(std::string_view text) {
    const std::string copy(text);
    return static_cast<int>(strtol_l(copy.c_str(), nullptr, 10, cLocale()));
}

bool cScanDouble(std::string_view text, double& value) {
    const std::string copy(text);
    CLocaleScope scope;
    double read = 0.0;
    if (std::sscanf(copy.c_str(), "%lg", &read) != 1) return false;
    value = read;
    return true;
}

bool cScanInt(std::string_view text, int& value) {
    const std::string copy(text);
    const char* start = copy.c_str();
    char* end = nullptr;
    const long read = strtol_l(start, &end, 10, cLocale());
    if (end == start) return false;
    value = static_cast<int>(read < INT_MIN ? INT_MIN : read > INT_MAX ? INT_MAX : read);
    return true;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

}  // namespace vorlan
