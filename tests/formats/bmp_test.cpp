// Every kind of BMP the game reads, made here byte by byte, and every kind it refuses.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "formats/bmp_decode.hpp"
#include "formats/bmp_format.hpp"

namespace quib {
namespace {

// A BMP file of the given header, palette, masks and pixel bytes.
struct Bmp {
  std::uint32_t infoSize = bmp::kInfoHeaderSize;
  std::int32_t width = 2;
  std::int32_t height = 2;
  std::uint16_t bits = 24;
  std::uint32_t compression = bmp::kUncompressed;
  std::vector<Rgb> palette{};
  std::vector<std::uint32_t> masks{};  // after a 40-byte header, or in a larger one
  std::vector<std::uint8_t> pixels{};
  std::uint32_t coloursUsed = 0;

  std::vector<unsigned char> bytes() const {
    const bool core = infoSize == bmp::kCoreHeaderSize;
    std::vector<unsigned char> out(bmp::kFileHeaderSize + infoSize, 0);
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
      if (out.size() < at + static_cast<std::size_t>(size)) {
        out.resize(at + static_cast<std::size_t>(size));
      }
      for (int k = 0; k < size; ++k) {
        out[at + static_cast<std::size_t>(k)] = static_cast<unsigned char>(value >> (8 * k));
      }
    };
    out[0] = 'B';
    out[1] = 'M';
    put(bmp::kInfoSize, infoSize, 4);
    if (core) {
      put(bmp::kCoreWidth, static_cast<std::uint32_t>(width), 2);
      put(bmp::kCoreHeight, static_cast<std::uint32_t>(height), 2);
      put(bmp::kCoreBitCount, bits, 2);
    } else {
      put(bmp::kWidth, static_cast<std::uint32_t>(width), 4);
      put(bmp::kHeight, static_cast<std::uint32_t>(height), 4);
      put(bmp::kPlanes, 1, 2);
      put(bmp::kBitCount, bits, 2);
      put(bmp::kCompression, compression, 4);
      // As many colours as the palette holds, unless said otherwise.
      put(bmp::kColoursUsed,
          coloursUsed != 0 ? coloursUsed : static_cast<std::uint32_t>(palette.size()), 4);
    }
    for (std::size_t k = 0; k < masks.size(); ++k) {
      put(bmp::kHeadersSize + 4 * k, masks[k], 4);
    }
    for (const Rgb colour : palette) {
      put(out.size(), colour, core ? 3 : 4);  // blue, green, red (and a zero)
    }
    put(bmp::kDataOffset, static_cast<std::uint32_t>(out.size()), 4);
    out.insert(out.end(), pixels.begin(), pixels.end());
    put(bmp::kFileSize, static_cast<std::uint32_t>(out.size()), 4);
    return out;
  }
};

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kGreen = rgb(0, 255, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);
constexpr Rgb kWhite = rgb(255, 255, 255);
constexpr Rgb kBlack = rgb(0, 0, 0);
constexpr Rgb kYellow = rgb(255, 255, 0);

// Two rows of 24-bit pixels, each padded to four bytes: red and green, then blue and white.
const std::vector<std::uint8_t> kRows24 = {0,   0, 255, 0,   255, 0,   0, 0,
                                           255, 0, 0,   255, 255, 255, 0, 0};

// A picture of 16 or 32 bits whose colours are given by masks.
Bmp masked(std::uint32_t infoSize, std::uint16_t bits, std::vector<std::uint32_t> masks,
           std::vector<std::uint8_t> pixels) {
  return {.infoSize = infoSize,
          .bits = bits,
          .compression = bmp::kBitFields,
          .masks = std::move(masks),
          .pixels = std::move(pixels)};
}

// A run-length encoded picture: RLE8 for 8 bits a pixel, RLE4 for 4.
Bmp runs(std::uint16_t bits, std::vector<Rgb> palette, std::vector<std::uint8_t> data) {
  return {.bits = bits,
          .compression = bits == 8 ? bmp::kRle8 : bmp::kRle4,
          .palette = std::move(palette),
          .pixels = std::move(data)};
}

TEST(Bmp, EveryVariantReadsItsColours) {
  const struct {
    const char* what;
    Bmp bmp;
    std::vector<Rgb> top, bottom;  // the rows as seen, top row first
  } cases[] = {
      {"24 bits, bottom row first", {.pixels = kRows24}, {kBlue, kWhite}, {kRed, kGreen}},
      {"24 bits, top row first",
       {.height = -2, .pixels = kRows24},
       {kRed, kGreen},
       {kBlue, kWhite}},
      {"core header, 24 bits",
       {.infoSize = bmp::kCoreHeaderSize, .pixels = kRows24},
       {kBlue, kWhite},
       {kRed, kGreen}},
      {"core header, 8-bit palette of three bytes an entry",
       {.infoSize = bmp::kCoreHeaderSize,
        .bits = 8,
        .palette = std::vector<Rgb>(256, kBlack),
        .pixels = {0, 0, 0, 0, 0, 0, 0, 0}},
       {kBlack, kBlack},
       {kBlack, kBlack}},
      {"1 bit, the leftmost pixel in the high bit",
       {.bits = 1, .palette = {kBlack, kYellow}, .pixels = {0x80, 0, 0, 0, 0x40, 0, 0, 0}},
       {kBlack, kYellow},
       {kYellow, kBlack}},
      {"4 bits",
       {.bits = 4,
        .palette = {kBlack, kRed, kGreen, kBlue},
        .pixels = {0x12, 0, 0, 0, 0x30, 0, 0, 0}},
       {kBlue, kBlack},
       {kRed, kGreen}},
      {"8 bits, three colours used",
       {.bits = 8,
        .palette = {kBlack, kRed, kGreen},
        .pixels = {2, 1, 0, 0, 0, 2, 0, 0},
        .coloursUsed = 3},
       {kBlack, kGreen},
       {kGreen, kRed}},
      {"RLE8: runs, an end of line, the end",
       runs(8, {kBlack, kRed, kGreen}, {2, 1, 0, 0, 1, 2, 1, 1, 0, 1}),
       {kGreen, kRed},
       {kRed, kRed}},
      {"RLE8: a jump leaves colour 0",
       runs(8, {kBlack, kRed}, {0, 2, 1, 1, 1, 1, 0, 1}),
       {kBlack, kRed},
       {kBlack, kBlack}},
      {"RLE4: a run of alternating nibbles",
       runs(4, {kBlack, kRed, kGreen}, {2, 0x12, 0, 0, 2, 0x21, 0, 1}),
       {kGreen, kRed},
       {kRed, kGreen}},
      {"RLE8: runs longer than their row lose the pixels past its end",
       runs(8, {kBlack, kRed, kGreen}, {0, 3, 1, 2, 1, 0, 0, 0, 3, 2, 0, 1}),
       {kGreen, kGreen},
       {kRed, kGreen}},
      {"RLE4: likewise",
       runs(4, {kBlack, kRed, kGreen}, {5, 0x12, 0, 0, 0, 3, 0x21, 0x20, 0, 1}),
       {kGreen, kRed},
       {kRed, kGreen}},
      {"16 bits, 5-5-5",
       {.bits = 16, .pixels = {0x00, 0x7c, 0xe0, 0x03, 0x1f, 0x00, 0xff, 0x7f}},
       {kBlue, kWhite},
       {kRed, kGreen}},
      {"16 bits, 5-6-5 masks: yellow is full yellow",
       masked(bmp::kInfoHeaderSize, 16, {0xf800, 0x07e0, 0x001f},
              {0xe0, 0xff, 0x1f, 0x00, 0xe0, 0x07, 0xff, 0xff}),
       {kGreen, kWhite},
       {kYellow, kBlue}},
      {"16 bits, 1-5-5-5 in a 124-byte header, alpha left out",
       masked(124, 16, {0x7c00, 0x03e0, 0x001f, 0x8000},
              {0x00, 0xfc, 0xe0, 0x03, 0x1f, 0x80, 0xff, 0xff}),
       {kBlue, kWhite},
       {kRed, kGreen}},
      {"32 bits, blue green red and a spare byte",
       {.bits = 32, .pixels = {0, 0, 255, 9, 0, 255, 0, 9, 255, 0, 0, 9, 255, 255, 255, 9}},
       {kBlue, kWhite},
       {kRed, kGreen}},
      {"32 bits with alpha in a 108-byte header, alpha left out",
       masked(108, 32, {0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000},
              {0, 0, 255, 0, 0, 255, 0, 128, 255, 0, 0, 255, 255, 255, 255, 7}),
       {kBlue, kWhite},
       {kRed, kGreen}},
  };
  for (const auto& c : cases) {
    const DecodedPicture picture = decodeBmp(c.bmp.bytes());
    ASSERT_TRUE(picture.ok()) << c.what << ": " << picture.error;
    ASSERT_EQ(picture.pixels.width, 2) << c.what;
    ASSERT_EQ(picture.pixels.height, 2) << c.what;
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(picture.pixels.at(x, 0), c.top[static_cast<std::size_t>(x)])
          << c.what << ", x " << x;
      EXPECT_EQ(picture.pixels.at(x, 1), c.bottom[static_cast<std::size_t>(x)])
          << c.what << ", x " << x;
    }
  }
}

TEST(Bmp, RunLengthPicturesCopyAbsoluteRuns) {
  const std::vector<Rgb> expected = {kRed, kGreen, kRed, kGreen};
  for (const Bmp& bmp : {Bmp{.width = 4,
                        .height = 1,
                        .bits = 8,
                        .compression = bmp::kRle8,
                        .palette = {kBlack, kRed, kGreen},
                        .pixels = {0, 3, 1, 2, 1, 0, 1, 2, 0, 1}},
                         Bmp{.width = 4,
                         .height = 1,
                         .bits = 4,
                         .compression = bmp::kRle4,
                         .palette = {kBlack, kRed, kGreen},
                         .pixels = {0, 3, 0x12, 0x10, 1, 0x20, 0, 1}}}) {
    const DecodedPicture picture = decodeBmp(bmp.bytes());
    ASSERT_TRUE(picture.ok()) << bmp.bits << " bits: " << picture.error;
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(picture.pixels.at(x, 0), expected[static_cast<std::size_t>(x)])
          << bmp.bits << " bits, x " << x;
    }
  }
}

TEST(Bmp, EveryOtherKindIsRefusedWithItsReason) {
  const std::vector<std::uint8_t>& twoRows = kRows24;
  const struct {
    const char* what;
    Bmp bmp;
    std::string error;
  } cases[] = {
      {"JPEG inside",
       {.compression = 4, .pixels = twoRows},
       "compression 4 with 24 bits a pixel is none the game reads"},
      {"an unknown code",
       {.compression = 9, .pixels = twoRows},
       "compression 9 with 24 bits a pixel is none the game reads"},
      {"RLE8 on 4 bits",
       {.bits = 4, .compression = bmp::kRle8, .palette = {kBlack}, .pixels = {0, 1}},
       "compression 1 with 4 bits a pixel is none the game reads"},
      {"2 bits a pixel",
       {.bits = 2, .pixels = twoRows},
       "2 bits a pixel is no depth the game reads"},
      {"RLE jumping past the picture", runs(8, {kBlack}, {0, 2, 0, 5, 0, 1}),
       "run-length data jumps past the picture"},
      {"a jump from the end of a row cut short", runs(8, {kBlack}, {3, 0, 0, 2, 1, 0}),
       "run-length data jumps past the picture"},
      {"runs past the last row", runs(8, {kBlack}, {2, 0, 0, 0, 2, 0, 0, 0, 1, 0}),
       "run-length data runs past the picture"},
      {"RLE from the top down",
       {.height = -2, .bits = 8, .compression = bmp::kRle8, .palette = {kBlack}, .pixels = {0, 1}},
       "a run-length encoded picture cannot run from the top down"},
      {"a colour beyond the palette",
       {.bits = 8, .palette = {kBlack, kRed}, .pixels = {0, 7, 0, 0, 0, 0, 0, 0}, .coloursUsed = 2},
       "colour 7 lies beyond its palette of 2 colours"},
      {"masks with holes",
       masked(bmp::kInfoHeaderSize, 16, {0xf00f, 0x07e0, 0x001f}, std::vector<std::uint8_t>(8, 0)),
       "its colour masks are not runs of bits"},
      {"too short for its pixels", {.pixels = {1, 2, 3}}, "file is too short for its 2 x 2 pixels"},
      {"too short for its palette",
       {.bits = 8, .pixels = std::vector<std::uint8_t>(8, 0)},
       "file is too short for its palette of 256 colours"},
      {"too large",
       {.width = 5000, .height = 3},
       "picture is 5000 x 3 pixels, larger than 4096 a side"},
      {"no pixels", {.width = 0}, "picture has no pixels"},
      {"a header of no known size",
       {.infoSize = 64, .pixels = twoRows},
       "not a BMP picture (a header of 64 bytes is none the game reads)"},
  };
  for (const auto& c : cases) {
    const DecodedPicture picture = decodeBmp(c.bmp.bytes());
    EXPECT_EQ(picture.error, c.error) << c.what;
    EXPECT_TRUE(picture.pixels.empty()) << c.what;
  }
  const std::vector<unsigned char> text = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_EQ(decodeBmp(text).error, "not a BMP picture");
}

TEST(Bmp, EarlierFuzzFindingsStayMended) {
  // Pictures other programs write that the game once refused: ImageMagick's RLE8 rows carry
  // pixels past the picture's width.
  const std::set<std::string> load = {"rle8_width_53.bmp"};
  for (const auto& entry :
       std::filesystem::directory_iterator(QUIB_SOURCE_DIR "/tests/fuzz/regressions/pictures")) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    const DecodedPicture picture = decodeBmp(bytes);
    EXPECT_TRUE(picture.ok() ? picture.pixels.width >= 1 && picture.pixels.width <= 4096
                             : picture.error.find('\n') == std::string::npos)
        << entry.path();
    if (load.contains(entry.path().filename().string())) {
      EXPECT_TRUE(picture.ok()) << entry.path() << ": " << picture.error;
    }
  }
}

}  // namespace
}  // namespace quib
