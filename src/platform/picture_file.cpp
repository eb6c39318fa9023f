// BMP loading through SDL after a header check of our own; PNG writing through libpng.
#include "platform/picture_file.hpp"

#include <SDL.h>
#include <png.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

#include "platform/bmp_format.hpp"
#include "platform/failure.hpp"
#include "platform/sdl_support.hpp"
#include "world/input_file.hpp"

namespace quib {
namespace {

std::uint32_t le(const unsigned char* p, int bytes) {
  std::uint32_t value = 0;
  for (int k = bytes - 1; k >= 0; --k) {
    value = (value << 8) | p[k];
  }
  return value;
}

struct Header {
  std::uint32_t dataOffset = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // the number of rows, whichever way they run
  std::uint32_t bits = 0;
  std::uint32_t compression = bmp::kUncompressed;
};

// The header's figures; nothing when the bytes are no BMP header.
std::optional<Header> parseHeader(const unsigned char* header, std::size_t got) {
  if (got < bmp::kFileHeaderSize + bmp::kCoreHeaderSize || header[0] != 'B' || header[1] != 'M') {
    return std::nullopt;
  }
  Header h;
  h.dataOffset = le(header + bmp::kDataOffset, 4);
  const std::uint32_t infoSize = le(header + bmp::kInfoSize, 4);
  if (infoSize == bmp::kCoreHeaderSize) {
    h.width = le(header + bmp::kCoreWidth, 2);
    h.height = le(header + bmp::kCoreHeight, 2);
    h.bits = le(header + bmp::kCoreBitCount, 2);
  } else if (infoSize >= bmp::kInfoHeaderSize && got >= bmp::kImageSize) {
    h.width = static_cast<std::int32_t>(le(header + bmp::kWidth, 4));
    h.height = std::llabs(static_cast<std::int32_t>(le(header + bmp::kHeight, 4)));
    h.bits = le(header + bmp::kBitCount, 2);
    h.compression = le(header + bmp::kCompression, 4);
  } else {
    return std::nullopt;
  }
  return h;
}

// SDL_LoadBMP trusts the header's size fields, so look at them first.
void checkHeader(const std::string& path) {
  const auto fail = [&](const std::string& reason) {
    throw Failure("cannot load picture " + path + ": " + reason);
  };
  std::ifstream in;
  if (const std::string reason = openForReading(path, in); !reason.empty()) {
    fail(reason);
  }
  unsigned char bytes[bmp::kHeadersSize] = {};
  in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
  const auto header = parseHeader(bytes, static_cast<std::size_t>(in.gcount()));
  if (!header) {
    fail("not a BMP picture");
  }
  if (header->width <= 0 || header->height <= 0) {
    fail("picture has no pixels");
  }
  const std::string size = std::to_string(header->width) + " x " + std::to_string(header->height);
  if (header->width > kMaxPictureSide || header->height > kMaxPictureSide) {
    fail("picture is " + size + " pixels, larger than " + std::to_string(kMaxPictureSide) +
         " a side");
  }
  // Uncompressed rows are padded to four bytes; compressed pixels have no fixed size.
  if (header->compression == bmp::kUncompressed || header->compression == bmp::kBitFields) {
    const std::int64_t needed = std::int64_t{header->dataOffset} +
                                bmp::rowBytes(header->width, header->bits) * header->height;
    std::error_code error;
    const auto fileSize = static_cast<std::int64_t>(std::filesystem::file_size(path, error));
    if (error || fileSize < needed) {
      fail("file is too short for its " + size + " pixels");
    }
  }
}

}  // namespace

Image loadPicture(const std::string& path) {
  checkHeader(path);
  const SurfacePtr loaded(SDL_LoadBMP(path.c_str()));
  const auto argb = loaded ? argbPixelsOf(loaded.get()) : std::nullopt;
  if (!argb) {
    throw Failure("cannot load picture " + path + ": " + SDL_GetError());
  }
  Image image(argb->width, argb->height);
  constexpr std::uint32_t kNoAlpha = 0xffffffu;
  for (int y = 0; y < argb->height; ++y) {
    for (int x = 0; x < argb->width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(argb->width) +
                             static_cast<std::size_t>(x);
      image.set(x, y, argb->pixels[at] & kNoAlpha);
    }
  }
  return image;
}

void savePng(const Image& image, const std::string& path) {
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
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width());
  png.height = static_cast<png_uint_32>(image.height());
  png.format = PNG_FORMAT_RGB;
  // Pictures for people and tests: written fast, a little larger than they could be.
  png.flags = PNG_IMAGE_FLAG_FAST;
  if (png_image_write_to_file(&png, path.c_str(), 0, bytes.data(), 0, nullptr) == 0) {
    const std::string reason = png.message[0] != '\0' ? png.message : std::strerror(errno);
    png_image_free(&png);
    throw Failure("cannot write picture " + path + ": " + reason);
  }
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
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    throw Failure("cannot write picture " + path + ": " + std::strerror(errno != 0 ? errno : EIO));
  }
}

}  // namespace quib
