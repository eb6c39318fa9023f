// Reading BMP pictures: every kind the game reads is decoded here, and every other kind, or a
// file that does not hold what its header claims, is refused with the reason.
#pragma once

#include <span>
#include <string>

#include "formats/pixel_buffer.hpp"

namespace quib {

// Largest picture side accepted; larger headers are refused before any pixel is read.
inline constexpr int kMaxPictureSide = 4096;

struct DecodedPicture {
  PixelBuffer pixels;  // none when there is an error
  std::string error;   // why the bytes are no picture the game reads; empty when they are
  bool ok() const { return error.empty(); }
};

// Decodes a BMP file's bytes: the core (OS/2) header and the Windows headers of 40 to 124
// bytes; 1, 4 and 8 bits a pixel through a palette, uncompressed or run-length encoded (RLE8,
// RLE4); 16 and 32 bits with the standard layout or colour masks; 24 bits; rows bottom-up or
// top-down. Channels of fewer than 8 bits are stretched to the full 0 to 255.
DecodedPicture decodeBmp(std::span<const unsigned char> bytes);

}  // namespace quib
