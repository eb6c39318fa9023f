// libFuzzer: any bytes as a BMP file. An accepted picture has sides of 1 to 4096 pixels; a
// refused one says why in one line and gives no picture.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "formats/bmp_decode.hpp"
#include "require.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const quib::DecodedPicture picture = quib::decodeBmp(std::span(data, size));
  if (picture.ok()) {
    const int w = picture.pixels.width;
    const int h = picture.pixels.height;
    quib::require(w >= 1 && w <= quib::kMaxPictureSide && h >= 1 && h <= quib::kMaxPictureSide,
                  "a picture of an impossible size", std::to_string(w) + " x " + std::to_string(h));
    quib::require(picture.pixels.pixels.size() == static_cast<std::size_t>(w) * h,
                  "pixels that do not fill the picture",
                  std::to_string(w) + " x " + std::to_string(h));
  } else {
    quib::require(!picture.error.empty() && picture.error.find('\n') == std::string::npos,
                  "not one line", picture.error);
    quib::require(picture.pixels.empty(), "a picture with an error", picture.error);
  }
  return 0;
}
