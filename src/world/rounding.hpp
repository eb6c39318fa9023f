// The one rule by which a float becomes an integer: a range check, then ties to even.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace quib {

// Rounds to nearest, ties to even, for a value that must land in [lo, hi]; nothing for a
// value outside that range or not a number. Inline: frames round many thousands of points.
inline std::optional<std::int64_t> roundToInt(float value, std::int64_t lo, std::int64_t hi) {
  if (!(value >= static_cast<float>(lo) && value <= static_cast<float>(hi))) {
    return std::nullopt;
  }
  // Below 2^22 in size, adding 1.5 * 2^23 leaves no bits for a fraction: the float sum is
  // rounded to a whole number, halves to even, and taking it away again is exact. Larger
  // floats have at most a half to round, which llrint does in the default rounding mode.
  constexpr float kSmall = 4194304.0f;
  constexpr float kWholeNumbers = 12582912.0f;
  const std::int64_t rounded =
      std::fabs(value) < kSmall ? static_cast<std::int64_t>((value + kWholeNumbers) - kWholeNumbers)
                                : static_cast<std::int64_t>(std::llrint(value));
  if (rounded < lo || rounded > hi) {
    return std::nullopt;
  }
  return rounded;
}

}  // namespace quib
