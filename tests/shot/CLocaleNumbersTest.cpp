#include "shot/CLocaleNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

namespace vorlan {
namespace {

std::string printfFixed(double value, int width, int precision) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%*.*f", width, precision, value);
    return buffer;
}

std::string fixed(double value, int width, int precision) {
    std::string text;
    appendFixed(text, value, width, precision);
    return text;
}

TEST(CLocaleNumbers, AppendFixedMatchesPrintf) {
    const double specials[] = {0.0,
                               -0.0,
                               0.005,
                               -0.005,
                               0.125,
                               0.375,
                               2.5,
                               -2.5,
                               1e-300,
                               1e300,
                               -1e22,
                               0.045,
                               1.005,
                               99.995,
                               2.675,
                               1e15,
                               -4e-7,
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN(),
                               -std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::max()};
    for (const double v : specials) {
        for (int precision = 0; precision <= 17; ++precision) {
            EXPECT_EQ(fixed(v, 10, precision), printfFixed(v, 10, precision)) << v << " " << precision;
        }
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> wide(-1e6, 1e6);
    for (int i = 0; i < 200000; ++i) {
        const double v = (i % 2 ? wide(random) : wide(random) * 1e-6);
        const int precision = static_cast<int>(i % 16);  // the shared rounding takes up to 15
        ASSERT_EQ(fixed(v, 11, precision), printfFixed(v, 11, precision)) << v;
    }
}

// The CSV's numbers: read back bit for bit, and no printf "%.<n>g" with fewer digits does.
TEST(CLocaleNumbers, AppendRoundTripIsShortestExact) {
    const auto shortest = [](double v) {
        std::string text;
        appendRoundTrip(text, v);
        return text;
    };
    for (const auto& [v, text] :
         std::initializer_list<std::pair<double, const char*>>{{0.9144, "0.9144"},
                                                               {0.1, "0.1"},
                                                               {2700.0, "2700"},
                                                               {-1.5, "-1.5"},
                                                               {0.0, "0"},
                                                               {-0.0, "-0"},
                                                               {1e-5, "1e-05"},
                                                               {1.0 / 3.0, "0.3333333333333333"},
                                                               {std::numeric_limits<double>::infinity(), "inf"}})
        EXPECT_EQ(shortest(v), text) << v;
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> wide(-1e6, 1e6);
    const auto check = [&](double v) {
        const std::string text = shortest(v);
        const double back = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(v)) << text;
        // Significant digits of the mantissa: "0.9144" has four, "2700" two.
        std::string mantissa = text.substr(0, text.find('e'));
        std::erase_if(mantissa, [](char c) { return c == '-' || c == '.'; });
        const std::size_t first = mantissa.find_first_not_of('0');
        const std::size_t digits = first == std::string::npos ? 1 : mantissa.find_last_not_of('0') - first + 1;
        if (digits > 1) {
            const std::string fewer = cFormat("%.*g", static_cast<int>(digits) - 1, v);
            ASSERT_NE(std::strtod(fewer.c_str(), nullptr), v) << text << " vs " << fewer;
        }
    };
    for (const double v : {1e-300, 1e300, 1e16, 1e17, 123456789012345678.0, 1e-4, 0.3, 5e-324, 1.7976931348623157e308})
        check(v);
    for (int i = 0; i < 100000; ++i) check(i % 2 ? wide(random) : wide(random) * 1e-9);
}

TEST(CLocaleNumbers, NumbersIgnoreTheUserLocale) {
    // Whatever LC_NUMERIC says, files and reports use a decimal point.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
    EXPECT_EQ(cFormat("%.2f", 29.92), "29.92");
    EXPECT_EQ(cToDouble("29.92"), 29.92);
    EXPECT_EQ(fixed(29.92, 6, 2), " 29.92");
    double v = 0;
    EXPECT_TRUE(cScanDouble(" 12abc", v));
    EXPECT_EQ(v, 12);
    EXPECT_FALSE(cScanDouble("", v));
    EXPECT_FALSE(cScanDouble("abc", v));
    int i = 0;
    EXPECT_TRUE(cScanInt("99999999999", i));
    EXPECT_EQ(i, 2147483647);
    EXPECT_FALSE(cScanInt(" x", i));
    EXPECT_EQ(cToInt("4294967295"), -1);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace vorlan
