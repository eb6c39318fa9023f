// Range-checked rounding in the default rounding mode.
#include "world/rounding.hpp"

#include <cmath>

namespace quib {

std::optional<std::int64_t> roundToInt(float value, std::int64_t lo, std::int64_t hi) {
  if (!(value >= static_cast<float>(lo) && value <= static_cast<float>(hi))) {
    return std::nullopt;
  }
  const long long rounded = std::llrint(value);  // default rounding mode: ties to even
  if (rounded < lo || rounded > hi) {
    return std::nullopt;
  }
  return rounded;
}

}  // namespace quib
