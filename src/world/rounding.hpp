// The one rule by which a float becomes an integer: a range check, then ties to even.
#pragma once

#include <cstdint>
#include <optional>

namespace quib {

// Rounds to nearest, ties to even, for a value that must land in [lo, hi]; nothing for a
// value outside that range or not a number.
std::optional<std::int64_t> roundToInt(float value, std::int64_t lo, std::int64_t hi);

}  // namespace quib
