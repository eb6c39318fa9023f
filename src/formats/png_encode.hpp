// Writing PNG pictures, through libpng, onto a file written whole or onto any sink of bytes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "formats/output_file.hpp"
#include "formats/pixel_buffer.hpp"

namespace quib {

// Takes the encoded bytes as they come; false when it cannot, which ends the encoding.
using ByteSink = std::function<bool(std::string_view)>;

// Encodes the pixels as an RGB PNG into `sink`; the reason when that fails, else an empty
// string. libpng words every refused write as "Write Error": a sink with a reason of its own
// gives that one first.
std::string encodePng(const PixelView& pixels, const ByteSink& sink);

// Encodes the pixels into `out` and puts it in place; the reason when it cannot (the file's
// own first), and `out` then leaves its path as it was.
std::string writePng(const PixelView& pixels, OutputFile& out);

}  // namespace quib
