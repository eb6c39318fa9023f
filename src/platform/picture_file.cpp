// Picture files as memory pictures: the formats' decoder and encoders, their reasons as Failure.
#include "platform/picture_file.hpp"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "formats/bmp_decode.hpp"
#include "formats/bmp_encode.hpp"
#include "formats/input_file.hpp"
#include "formats/png_encode.hpp"
#include "platform/failure.hpp"

namespace quib {
namespace {

PixelView viewOf(const Image& image) {
  return {image.width(), image.height(),
          std::span<const Rgb>(image.row(0), static_cast<std::size_t>(image.width()) *
                                                 static_cast<std::size_t>(image.height()))};
}

}  // namespace

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

void writePng(const Image& image, OutputFile& out, const std::string& path) {
  const std::string error = writePng(viewOf(image), out);
  if (!error.empty()) {
    throw Failure("cannot write picture " + path + ": " + error);
  }
}

void savePng(const Image& image, const std::string& path) {
  OutputFile out(path);
  writePng(image, out, path);
}

void saveBmp(const Image& image, const std::string& path) {
  const std::vector<std::uint8_t> bytes = encodeBmp(viewOf(image));
  const std::string error = writeWholeFile(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!error.empty()) {
    throw Failure("cannot write picture " + path + ": " + error);
  }
}

}  // namespace quib
