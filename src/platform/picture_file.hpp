// Reading BMP pictures and writing PNG pictures.
#pragma once

#include <string>

#include "canvas/image.hpp"

namespace quib {

// Largest picture side accepted; larger headers are refused before any pixel is read.
inline constexpr int kMaxPictureSide = 4096;

// Loads a BMP file; throws Failure ("cannot load picture PATH: REASON") when the file is
// missing, not a BMP, absurdly large or too short for the pixels its header claims.
Image loadPicture(const std::string& path);

// Writes the picture as an RGB PNG; throws Failure naming the file when it cannot.
void savePng(const Image& image, const std::string& path);

// Writes the picture as a 24-bit BMP, bottom row first; throws Failure naming the file when it
// cannot.
void saveBmp(const Image& image, const std::string& path);

}  // namespace quib
