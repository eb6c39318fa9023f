// Picture files for the game's memory pictures: BMP read, PNG and BMP written.
#pragma once

#include <string>

#include "canvas/image.hpp"
#include "formats/output_file.hpp"

namespace quib {

// The picture's pixels as the formats' encoders take them.
PixelView pixelView(const Image& image);

// Loads a BMP file (see formats/bmp_decode.hpp); throws Failure ("cannot load picture PATH:
// REASON") when the file is missing or not a regular file, or holds no picture the game reads.
Image loadPicture(const std::string& path);

// Writes the picture as an RGB PNG into `out`, the file opened for `path`, and puts it in
// place; throws Failure naming `path` when it cannot (`out` then leaves the path as it was).
void writePng(const Image& image, OutputFile& out, const std::string& path);

// Writes the picture as an RGB PNG, whole or not at all (see formats/output_file.hpp); throws
// Failure naming the file when it cannot.
void savePng(const Image& image, const std::string& path);

// Writes the picture as a 24-bit BMP, bottom row first, whole or not at all; throws Failure
// naming the file when it cannot.
void saveBmp(const Image& image, const std::string& path);

}  // namespace quib
