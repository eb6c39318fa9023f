// Writing BMP pictures: the one kind the game's own pictures need.
#pragma once

#include <cstdint>
#include <vector>

#include "formats/pixel_buffer.hpp"

namespace quib {

// The pixels as a whole 24-bit BMP file: a 40-byte header, rows bottom first, blue, green and
// red, each row padded to whole 32-bit words.
std::vector<std::uint8_t> encodeBmp(const PixelView& pixels);

}  // namespace quib
