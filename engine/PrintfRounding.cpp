#include "engine/PrintfRounding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace vorlan {

namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr auto kPowersOfTen = [] {
    std::array<std::uint64_t, kMostRoundedDecimals + 1> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
}();

}  // namespace

std::optional<std::uint64_t> printfRoundedDigits(double value, int decimals) {
    // From 2^62 on no decimals fit 64 bits; NaN and infinities fail the test as well.
    if (decimals < 0 || decimals > kMostRoundedDecimals || !(std::fabs(value) < 0x1p62)) return std::nullopt;
    // |value| = mantissa / 2^shift, read straight from the bits of the double; the product
    // with 10^15 stays below 2^103.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0) mantissa |= std::uint64_t{1} << 52;
    const int shift = 1075 - std::max(biased, 1);
    const Wide scaled = Wide{mantissa} * kPowersOfTen[static_cast<std::size_t>(decimals)];
    Wide rounded = 0;
    if (shift <= 0) {
        rounded = scaled << -shift;
    } else if (shift < 128) {
        rounded = scaled >> shift;
        const Wide rest = scaled - (rounded << shift);
        const Wide half = Wide{1} << (shift - 1);
        if (rest > half || (rest == half && (rounded & 1) != 0)) ++rounded;
    }  // else: below half a unit of the last decimal, rounds to 0
    if (rounded > UINT64_MAX) return std::nullopt;
    return static_cast<std::uint64_t>(rounded);
}

}  // namespace vorlan
