// The layout of a BMP file's headers: where each field lies, in bytes from the file's start.
#pragma once

#include <cstdint>

namespace quib::bmp {

inline constexpr std::uint32_t kFileHeaderSize = 14;
inline constexpr std::uint32_t kCoreHeaderSize = 12;  // the old OS/2 header
inline constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER and its successors
inline constexpr std::uint32_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;

// The file header.
inline constexpr int kFileSize = 2;
inline constexpr int kDataOffset = 10;
// The information header's size tells which of the two follows.
inline constexpr int kInfoSize = 14;
// The core header: 16-bit fields.
inline constexpr int kCoreWidth = 18;
inline constexpr int kCoreHeight = 20;
inline constexpr int kCoreBitCount = 24;
// The information header: 32-bit fields but for the planes and the bit count.
inline constexpr int kWidth = 18;
inline constexpr int kHeight = 22;  // negative: the rows run from the top down
inline constexpr int kPlanes = 26;
inline constexpr int kBitCount = 28;
inline constexpr int kCompression = 30;
inline constexpr int kImageSize = 34;
inline constexpr int kPixelsPerMetreX = 38;
inline constexpr int kPixelsPerMetreY = 42;
inline constexpr int kColoursUsed = 46;
inline constexpr int kColoursImportant = 50;

inline constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
inline constexpr std::uint32_t kRle8 = 1;
inline constexpr std::uint32_t kRle4 = 2;
inline constexpr std::uint32_t kBitFields = 3;

// Rows are padded to whole 32-bit words.
constexpr std::int64_t rowBytes(std::int64_t width, std::int64_t bits) {
  return (width * bits + 31) / 32 * 4;
}

}  // namespace quib::bmp
