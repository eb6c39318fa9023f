// Picture files: BMP read by the game's own decoder, PNG encoded by libpng, both written whole.
#include "platform/picture_file.hpp"

#include <png.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/bmp_decode.hpp"
#include "platform/bmp_format.hpp"
#include "platform/failure.hpp"
#include "world/input_file.hpp"
#include "world/output_file.hpp"

namespace quib {

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
  return std::move(picture.image);
}

namespace {

// The pixels as bytes, red, green and blue, row after row from the top.
std::vector<unsigned char> rgbBytes(const Image& image) {
  std::vector<unsigned char> bytes;
  bytes.reserve(static_cast<std::size_t>(image.width()) * image.height() * 3);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb pixel = image.at(x, y);
      bytes.push_back(static_cast<unsigned char>(pixel >> 16));
      bytes.push_back(static_cast<unsigned char>(pixel >> 8));
      bytes.push_back(static_cast<unsigned char>(pixel));
    }
  }
  return bytes;
}

}  // namespace

void writePng(const Image& image, OutputFile& out, const std::string& path) {
  if (!out.ok()) {
    throw Failure("cannot write picture " + path + ": " + out.error());
  }
  const std::vector<unsigned char> bytes = rgbBytes(image);
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width());
  png.height = static_cast<png_uint_32>(image.height());
  png.format = PNG_FORMAT_RGB;
  // Pictures for people and tests: written fast, a little larger than they could be.
  png.flags = PNG_IMAGE_FLAG_FAST;
  // Written through a stream onto `out`: libpng's own file writer opens the path itself and
  // removes it when a write fails, be it an old picture or a device; and a picture kept whole
  // in memory first would cost its size again (some 170 KB with a full plan).
  cookie_io_functions_t calls{};
  calls.write = [](void* file, const char* data, std::size_t size) -> ssize_t {
    return static_cast<OutputFile*>(file)->write({data, size}) ? static_cast<ssize_t>(size) : -1;
  };
  FILE* stream = ::fopencookie(&out, "w", calls);
  if (stream == nullptr) {
    throw Failure("cannot write picture " + path + ": " + std::strerror(errno));
  }
  const int encoded = png_image_write_to_stdio(&png, stream, 0, bytes.data(), 0, nullptr);
  std::fclose(stream);
  const std::string reason = png.message;
  png_image_free(&png);
  // The file's own reason first: libpng words every failed write as "Write Error".
  if (!out.ok()) {
    throw Failure("cannot write picture " + path + ": " + out.error());
  }
  if (encoded == 0) {
    throw Failure("cannot write picture " + path + ": " + reason);
  }
  if (!out.commit()) {
    throw Failure("cannot write picture " + path + ": " + out.error());
  }
}

void savePng(const Image& image, const std::string& path) {
  OutputFile out(path);
  writePng(image, out, path);
}

void saveBmp(const Image& image, const std::string& path) {
  constexpr std::uint32_t kBits = 24;
  constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots an inch
  const auto width = static_cast<std::uint32_t>(image.width());
  const auto height = static_cast<std::uint32_t>(image.height());
  const auto rowBytes = static_cast<std::uint32_t>(bmp::rowBytes(width, kBits));
  std::vector<unsigned char> bytes(bmp::kHeadersSize + std::size_t{rowBytes} * height, 0);
  const auto put = [&](std::size_t at, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k) {
      bytes[at + static_cast<std::size_t>(k)] = static_cast<unsigned char>(value >> (8 * k));
    }
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(bmp::kFileSize, static_cast<std::uint32_t>(bytes.size()), 4);
  put(bmp::kDataOffset, bmp::kHeadersSize, 4);
  put(bmp::kInfoSize, bmp::kInfoHeaderSize, 4);
  put(bmp::kWidth, width, 4);
  put(bmp::kHeight, height, 4);
  put(bmp::kPlanes, 1, 2);
  put(bmp::kBitCount, kBits, 2);
  put(bmp::kCompression, bmp::kUncompressed, 4);
  put(bmp::kImageSize, rowBytes * height, 4);
  put(bmp::kPixelsPerMetreX, kPixelsPerMetre, 4);
  put(bmp::kPixelsPerMetreY, kPixelsPerMetre, 4);
  for (std::uint32_t row = 0; row < height; ++row) {
    const Rgb* from = image.row(static_cast<int>(height - 1 - row));
    const std::size_t at = bmp::kHeadersSize + std::size_t{row} * rowBytes;
    for (std::uint32_t x = 0; x < width; ++x) {
      put(at + std::size_t{3} * x, from[x], 3);  // 0x00RRGGBB little-endian: B, G, R
    }
  }
  const std::string error = writeWholeFile(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!error.empty()) {
    throw Failure("cannot write picture " + path + ": " + error);
  }
}

}  // namespace quib
