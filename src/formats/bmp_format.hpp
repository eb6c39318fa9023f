// The layout of a BMP file's headers.
#pragma once

#include <cstdint>

namespace quib::bmp {

inline constexpr std::uint32_t kFileHeaderSize = 14;
inline constexpr std::uint32_t kCoreHeaderSize = 12;  // the old OS/2 header
inline constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER and its successors
inline constexpr std::uint32_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;

// Where each field lies, in bytes from the file's start.
enum Field : int {
  kFileSize = 2,  // the file header's
  kDataOffset = 10,
  kInfoSize = 14,   // the information header's size tells which of the two follows
  kCoreWidth = 18,  // the old core header: 16-bit fields
  kCoreHeight = 20,
  kCoreBitCount = 24,
  kWidth = 18,   // the information header: 32-bit fields but for the planes and the bit count
  kHeight = 22,  // negative: the rows run from the top down
  kPlanes = 26,
  kBitCount = 28,
  kCompression = 30,
  kImageSize = 34,
  kPixelsPerMetreX = 38,
  kPixelsPerMetreY = 42,
  kColoursUsed = 46,
  kColoursImportant = 50,
};

inline constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
inline constexpr std::uint32_t kRle8 = 1;
inline constexpr std::uint32_t kRle4 = 2;
inline constexpr std::uint32_t kBitFields = 3;

// Rows are padded to whole 32-bit words.
constexpr std::int64_t rowBytes(std::int64_t width, std::int64_t bits) {
  constexpr std::int64_t kWordBits = 32;
  constexpr std::int64_t kWordBytes = 4;
  return (width * bits + kWordBits - 1) / kWordBits * kWordBytes;
}

}  // namespace quib::bmp
