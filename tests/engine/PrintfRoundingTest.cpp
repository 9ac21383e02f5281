#include "engine/PrintfRounding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

namespace vorlan {
namespace {

// printf's own digits of |value| at `decimals`, the point and the sign taken out.
std::string printfDigits(double value, int decimals) {
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, value < 0 ? -value : value);
    std::string digits;
    for (const char* c = text; *c; ++c)
        if (*c != '.') digits += *c;
    return digits.find_first_not_of('0') == std::string::npos ? "0" : digits.substr(digits.find_first_not_of('0'));
}

// The edges of the ranges the table writer (up to 7 decimals, below 2^62) and the
// calculator's read-back (up to 15 decimals, below 2^53 once scaled) covered each on its own.
TEST(PrintfRounding, MatchesPrintfAtTheEdges) {
    const struct {
        double value;
        int decimals;
    } cases[] = {
        {0.125, 2},
        {0.375, 2},
        {2.5, 0},
        {3.5, 0},
        {-2.5, 0},
        {1.005, 2},
        {2.675, 2},
        {0.1, 7},
        {0.1, 8},
        {0.1, 15},
        {1.0 / 3, 8},
        {1.0 / 3, 15},
        {5e-324, 15},
        {-1e-310, 15},
        {0.49999999999999994, 0},
        {0x1p52 + 0.5, 0},
        {0x1p53, 0},
        {0x1p53 - 1.0, 1},
        {9007199254.740993, 6},
        {9.0071992547409915, 15},
        {0x1p62 - 1024, 0},
        {1844674407.3709551, 10},
        {123456.789, 14},
        {999.95, 1},
        {333.05, 1},
    };
    for (const auto& c : cases) {
        const std::optional<std::uint64_t> digits = printfRoundedDigits(c.value, c.decimals);
        ASSERT_TRUE(digits.has_value()) << c.value << " at " << c.decimals;
        EXPECT_EQ(std::to_string(*digits), printfDigits(c.value, c.decimals)) << c.value << " at " << c.decimals;
    }
}

TEST(PrintfRounding, NothingBeyondItsRange) {
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int decimals;
    } cases[] = {{0x1p62, 0}, {1e19, 1},     {2e4, 15},      {1.0, -1},
                 {1.0, 16},   {infinity, 2}, {-infinity, 2}, {std::numeric_limits<double>::quiet_NaN(), 2}};
    for (const auto& c : cases)
        EXPECT_FALSE(printfRoundedDigits(c.value, c.decimals)) << c.value << " at " << c.decimals;
}

}  // namespace
}  // namespace vorlan
