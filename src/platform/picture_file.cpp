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
#include <vector>

#include "platform/failure.hpp"

namespace quib {
namespace {

std::uint32_t le(const unsigned char* p, int bytes) {
  std::uint32_t value = 0;
  for (int k = bytes - 1; k >= 0; --k) {
    value = (value << 8) | p[k];
  }
  return value;
}

// SDL_LoadBMP trusts the header's size fields, so look at them first.
void checkHeader(const std::string& path) {
  const auto fail = [&](const std::string& reason) {
    throw Failure("cannot load picture " + path + ": " + reason);
  };
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    fail(std::strerror(EISDIR));
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    fail(std::strerror(errno != 0 ? errno : ENOENT));
  }
  unsigned char header[54] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  const auto got = static_cast<std::size_t>(in.gcount());
  if (got < 26 || header[0] != 'B' || header[1] != 'M') {
    fail("not a BMP picture");
  }
  const std::uint32_t dataOffset = le(header + 10, 4);
  const std::uint32_t infoSize = le(header + 14, 4);
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bits = 0;
  std::uint32_t compression = 0;
  if (infoSize == 12) {
    width = le(header + 18, 2);
    height = le(header + 20, 2);
    bits = le(header + 24, 2);
  } else if (infoSize >= 40 && got >= 34) {
    width = static_cast<std::int32_t>(le(header + 18, 4));
    height = static_cast<std::int32_t>(le(header + 22, 4));
    bits = le(header + 28, 2);
    compression = le(header + 30, 4);
  } else {
    fail("not a BMP picture (unknown header)");
  }
  height = std::llabs(height);
  if (width <= 0 || height <= 0) {
    fail("picture has no pixels");
  }
  if (width > kMaxPictureSide || height > kMaxPictureSide) {
    fail("picture is " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels, larger than " + std::to_string(kMaxPictureSide) + " a side");
  }
  // Uncompressed rows are padded to four bytes; compressed pixels have no fixed size.
  if (compression == 0 || compression == 3) {
    const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
    const std::int64_t needed = std::int64_t{dataOffset} + rowBytes * height;
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path, error));
    if (error || size < needed) {
      fail("file is too short for its " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels");
    }
  }
}

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

}  // namespace

Image loadPicture(const std::string& path) {
  checkHeader(path);
  SurfacePtr loaded(SDL_LoadBMP(path.c_str()), &SDL_FreeSurface);
  if (!loaded) {
    throw Failure("cannot load picture " + path + ": " + SDL_GetError());
  }
  SurfacePtr argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0),
                  &SDL_FreeSurface);
  if (!argb) {
    throw Failure("cannot load picture " + path + ": " + SDL_GetError());
  }
  Image image(argb->w, argb->h);
  for (int y = 0; y < argb->h; ++y) {
    const auto* from =
        reinterpret_cast<const std::uint32_t*>(static_cast<const unsigned char*>(argb->pixels) +
                                               static_cast<std::ptrdiff_t>(y) * argb->pitch);
    for (int x = 0; x < argb->w; ++x) {
      image.set(x, y, from[x] & 0xffffffu);
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
  if (png_image_write_to_file(&png, path.c_str(), 0, bytes.data(), 0, nullptr) == 0) {
    const std::string reason = png.message[0] != '\0' ? png.message : std::strerror(errno);
    png_image_free(&png);
    throw Failure("cannot write picture " + path + ": " + reason);
  }
}

}  // namespace quib
