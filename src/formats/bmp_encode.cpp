// The BMP writer: the headers the decoder reads, then the rows from the bottom up.
#include "formats/bmp_encode.hpp"

#include "formats/bmp_format.hpp"

namespace quib {

std::vector<std::uint8_t> encodeBmp(const PixelView& pixels) {
  constexpr std::uint32_t kBits = 24;
  constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots an inch
  const auto width = static_cast<std::uint32_t>(pixels.width);
  const auto height = static_cast<std::uint32_t>(pixels.height);
  const auto rowBytes = static_cast<std::uint32_t>(bmp::rowBytes(width, kBits));
  std::vector<std::uint8_t> bytes(bmp::kHeadersSize + std::size_t{rowBytes} * height, 0);
  const auto put = [&](std::size_t at, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k) {
      bytes[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(value >> (8 * k));
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
    const Rgb* from = pixels.pixels.data() + std::size_t{height - 1 - row} * width;
    const std::size_t at = bmp::kHeadersSize + std::size_t{row} * rowBytes;
    for (std::uint32_t x = 0; x < width; ++x) {
      put(at + std::size_t{3} * x, from[x], 3);  // 0x00RRGGBB little-endian: B, G, R
    }
  }
  return bytes;
}

}  // namespace quib
