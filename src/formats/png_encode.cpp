// PNG encoded by libpng's simplified writer, on a stdio stream that hands the bytes on.
#include "formats/png_encode.hpp"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace quib {
namespace {

// The pixels as bytes, red, green and blue, row after row from the top.
std::vector<unsigned char> rgbBytes(const PixelView& pixels) {
  std::vector<unsigned char> bytes;
  bytes.reserve(pixels.pixels.size() * 3);
  for (const Rgb pixel : pixels.pixels) {
    bytes.push_back(static_cast<unsigned char>(pixel >> 16));
    bytes.push_back(static_cast<unsigned char>(pixel >> 8));
    bytes.push_back(static_cast<unsigned char>(pixel));
  }
  return bytes;
}

}  // namespace

std::string encodePng(const PixelView& pixels, const ByteSink& sink) {
  const std::vector<unsigned char> bytes = rgbBytes(pixels);
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(pixels.width);
  png.height = static_cast<png_uint_32>(pixels.height);
  png.format = PNG_FORMAT_RGB;
  // Pictures for people and tests: written fast, a little larger than they could be.
  png.flags = PNG_IMAGE_FLAG_FAST;
  // Written through a stream onto the sink: libpng's own file writer opens the path itself and
  // removes it when a write fails, be it an old picture or a device; and a picture kept whole
  // in memory first would cost its size again (some 170 KB with a full plan).
  cookie_io_functions_t calls{};
  calls.write = [](void* to, const char* data, std::size_t size) -> ssize_t {
    return (*static_cast<const ByteSink*>(to))({data, size}) ? static_cast<ssize_t>(size) : -1;
  };
  // fopencookie takes no pointer to const; the stream is only written through.
  FILE* stream = ::fopencookie(const_cast<ByteSink*>(&sink), "w", calls);
  if (stream == nullptr) {
    return std::strerror(errno);
  }
  const int encoded = png_image_write_to_stdio(&png, stream, 0, bytes.data(), 0, nullptr);
  // The last bytes reach the sink as the stream closes.
  const bool closed = std::fclose(stream) == 0;
  std::string reason = encoded == 0 ? png.message : closed ? "" : "Write Error";
  png_image_free(&png);
  return reason;
}

std::string writePng(const PixelView& pixels, OutputFile& out) {
  if (!out.ok()) {
    return out.error();
  }
  std::string reason =
      encodePng(pixels, [&out](std::string_view bytes) { return out.write(bytes); });
  // The file's own reason first: libpng words every failed write as "Write Error".
  if (!out.ok()) {
    return out.error();
  }
  if (!reason.empty()) {
    return reason;
  }
  if (!out.commit()) {
    return out.error();
  }
  return {};
}

}  // namespace quib
