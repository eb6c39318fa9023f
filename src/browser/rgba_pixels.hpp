// A memory picture as a canvas takes it: red, green, blue and alpha bytes, row by row.
#pragma once

#include <cstdint>
#include <vector>

#include "canvas/image.hpp"

namespace quib {

// Every pixel opaque: a canvas gives back exactly what was put there only where alpha is full.
std::vector<std::uint8_t> rgbaPixels(const Image& picture);

}  // namespace quib
