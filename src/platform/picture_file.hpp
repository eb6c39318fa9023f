// Reading BMP pictures and writing PNG pictures.
#pragma once

#include <string>

#include "canvas/image.hpp"
#include "platform/bmp_decode.hpp"

namespace quib {

// Loads a BMP file (see bmp_decode.hpp); throws Failure ("cannot load picture PATH: REASON")
// when the file is missing or not a regular file, or holds no picture the game reads.
Image loadPicture(const std::string& path);

// Writes the picture as an RGB PNG; throws Failure naming the file when it cannot.
void savePng(const Image& image, const std::string& path);

// Writes the picture as a 24-bit BMP, bottom row first; throws Failure naming the file when it
// cannot.
void saveBmp(const Image& image, const std::string& path);

}  // namespace quib
