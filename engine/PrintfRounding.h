#pragma once
// Rounding as printf's "%.<decimals>f" rounds, without making the text: the number text of
// the program and the values the calculator shows back both stand on it.

#include <cstdint>
#include <optional>

namespace vorlan {

// The most decimals printfRoundedDigits takes.
inline constexpr int kMostRoundedDecimals = 15;

// The whole number |value| * 10^decimals rounded half to even on the exact binary value, as
// printf rounds at the last shown decimal. Nothing for NaN, infinities, decimals outside
// 0..kMostRoundedDecimals, or a result beyond 64 bits.
std::optional<std::uint64_t> printfRoundedDigits(double value, int decimals);

}  // namespace vorlan
