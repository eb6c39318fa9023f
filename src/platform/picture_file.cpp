// Picture files as memory pictures: the formats' BMP decoder and encoder, their reasons as
// Failure. PNG writing, which needs libpng, is apart (picture_png.cpp).
#include "platform/picture_file.hpp"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "formats/bmp_decode.hpp"
#include "formats/bmp_encode.hpp"
#include "formats/input_file.hpp"
#include "platform/failure.hpp"

namespace quib {

PixelView pixelView(const Image& image) {
  return {image.width(), image.height(),
          std::span<const Rgb>(image.row(0), static_cast<std::size_t>(image.width()) *
                                                 static_cast<std::size_t>(image.height()))};
}

Image loadPicture(const std::string& path) {
  // The largest picture the decoder takes, with room for headers and palette.
  constexpr std::int64_t kLargestFile =
      std::int64_t{kMaxPictureSide} * kMaxPictureSide * 4 + (std::int64_t{1} << 16);
  const FileBytes file = readWholeFile(path, kLargestFile);
  if (!file.ok()) {
    throw Failure("cannot load picture " + path + ": " + file.error);
  }
  DecodedPicture picture = decodeBmp(file.bytes);
  if (!picture.ok()) {
    throw Failure("cannot load picture " + path + ": " + picture.error);
  }
  return Image(std::move(picture.pixels));
}

void saveBmp(const Image& image, const std::string& path) {
  const std::vector<std::uint8_t> bytes = encodeBmp(pixelView(image));
  const std::string error = writeWholeFile(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!error.empty()) {
    throw Failure("cannot write picture " + path + ": " + error);
  }
}

}  // namespace quib
