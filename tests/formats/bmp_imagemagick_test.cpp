// Run-length pictures as ImageMagick writes and reads them: the game sees the same pixels.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "formats/bmp_decode.hpp"
#include "formats/bmp_format.hpp"

namespace quib {
namespace fs = std::filesystem;
namespace {

// Rows of every width up to 9 end at every place in a 32-bit word; 53 to 56 are the widths
// ImageMagick's pictures were once refused at and loaded at.
constexpr int kWidths[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 53, 54, 55, 56};
constexpr int kHeight = 6;

std::vector<unsigned char> bytesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a shell command writes on its standard output; empty when it fails.
std::string output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return out;
  }
  char buffer[4096];
  for (std::size_t got = 0; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    out.append(buffer, got);
  }
  return pclose(pipe) == 0 ? out : std::string();
}

// ImageMagick 6 reads a run-length picture into one buffer of width x height pixels and stops
// where a row's padding reaches the buffer's end: with rows padded to twice their width or
// more, its top rows stay colour 0. The game reads those pictures whole.
bool imageMagickMisreads(int bits, int width) {
  return bmp::rowBytes(width, bits) * 8 / bits >= 2 * width;
}

class BmpAsImageMagick : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(output("command -v convert").empty())
        << "ImageMagick is one of the test packages (tools/setup-debian test)";
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The game reads the run-length picture as ImageMagick reads the same picture stored plainly,
  // and, where ImageMagick reads run-length pictures right, as it reads this one.
  static void expectRead(const fs::path& runs, const fs::path& plain, int bits, int width,
                         const std::string& what) {
    const DecodedPicture ours = decodeBmp(bytesOf(runs));
    ASSERT_TRUE(ours.ok()) << what << ": " << ours.error;
    expectSamePixels(ours.pixels, plain, what + ", against the picture stored plainly");
    if (!imageMagickMisreads(bits, width)) {
      expectSamePixels(ours.pixels, runs, what + ", against ImageMagick's reading");
    }
  }

  static void expectSamePixels(const PixelBuffer& ours, const fs::path& file,
                               const std::string& what) {
    const std::string theirs = output("convert '" + file.string() + "' -depth 8 rgb:-");
    const auto w = static_cast<std::size_t>(ours.width);
    ASSERT_EQ(theirs.size(), w * kHeight * 3) << what << ": ImageMagick read no picture";
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < ours.width; ++x) {
        const std::size_t p = (static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)) * 3;
        const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(theirs[p + k]); };
        ASSERT_EQ(ours.at(x, y), rgb(byte(0), byte(1), byte(2)))
            << what << ": pixel (" << x << ", " << y << ")";
      }
    }
  }

  fs::path file(const std::string& name) const { return dir_ / name; }

 private:
  const fs::path dir_ = fs::temp_directory_path() / ("quib_bmp_" + std::to_string(getpid()));
};

TEST_F(BmpAsImageMagick, Rle8AsImageMagickWritesIt) {
  const fs::path base = file("base.png");
  output("convert -size 56x" + std::to_string(kHeight) + " -seed 1 plasma: -colors 30 png8:'" +
         base.string() + "'");
  for (const int width : kWidths) {
    const std::string w = std::to_string(width);
    const fs::path plain = file(w + ".png");
    output("convert '" + base.string() + "' -crop " + w + "x" + std::to_string(kHeight) +
           "+0+0 +repage -write png8:'" + plain.string() + "' -compress RLE -write BMP3:'" +
           file(w + "_BMP3.bmp").string() + "' BMP:'" + file(w + "_BMP.bmp").string() + "'");
    for (const std::string kind : {"BMP3", "BMP"}) {
      const std::string what = kind + ", " + w + " wide";
      const fs::path runs = file(w + "_" + kind + ".bmp");
      const std::vector<unsigned char> bytes = bytesOf(runs);
      ASSERT_GT(bytes.size(), std::size_t{bmp::kHeadersSize}) << what << ": nothing written";
      ASSERT_EQ(bytes[bmp::kCompression], bmp::kRle8) << what << ": ImageMagick wrote no RLE8";
      expectRead(runs, plain, 8, width, what);
    }
  }
}

// Palette indices, rows from the top, as a BMP file's runs: rows padded with colour 0 to
// their stored width, as ImageMagick pads RLE8 rows; every other row in runs of one colour
// and the rest as one absolute run, so that runs of both kinds cross the row's end.
std::vector<std::uint8_t> encodeRuns(int bits, int width,
                                     const std::vector<std::uint8_t>& indices) {
  const auto padded = static_cast<std::size_t>(bmp::rowBytes(width, bits) * 8 / bits);
  const bool four = bits == 4;
  std::vector<std::uint8_t> out;
  for (int y = kHeight - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(padded, 0);
    std::copy_n(indices.begin() + static_cast<std::ptrdiff_t>(y * width), width, row.begin());
    if (y % 2 == 0) {
      for (std::size_t x = 0, n = 0; x < padded; x += n) {
        for (n = 1; x + n < padded && row[x + n] == row[x]; ++n) {
        }
        out.insert(out.end(), {static_cast<std::uint8_t>(n),
                               static_cast<std::uint8_t>(four ? row[x] * 17 : row[x])});
      }
    } else {
      out.insert(out.end(), {0, static_cast<std::uint8_t>(padded)});
      for (std::size_t x = 0; x < padded; x += four ? 2 : 1) {
        out.push_back(static_cast<std::uint8_t>(four ? row[x] << 4 | row[x + 1] : row[x]));
      }
      if (out.size() % 2 != 0) {
        out.push_back(0);  // an absolute run ends on a 16-bit boundary
      }
    }
    out.insert(out.end(), {0, 0});
  }
  out.insert(out.end(), {0, 1});
  return out;
}

// The same indices stored plainly: rows from the bottom, each padded to 32-bit words.
std::vector<std::uint8_t> plainRows(int bits, int width, const std::vector<std::uint8_t>& indices) {
  const auto rowBytes = static_cast<std::size_t>(bmp::rowBytes(width, bits));
  std::vector<std::uint8_t> out(rowBytes * kHeight, 0);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t at = static_cast<std::size_t>(kHeight - 1 - y) * rowBytes +
                             static_cast<std::size_t>(x * bits / 8);
      const int shift = bits == 4 && x % 2 == 0 ? 4 : 0;
      out[at] |=
          static_cast<std::uint8_t>(indices[static_cast<std::size_t>(y * width + x)] << shift);
    }
  }
  return out;
}

void writeBmp(const fs::path& file, int bits, std::uint32_t compression, int width,
              const std::vector<std::uint8_t>& data) {
  const std::uint32_t colours = 1u << bits;
  const std::uint32_t offset = bmp::kHeadersSize + 4 * colours;
  std::vector<std::uint8_t> out(offset, 0);
  const auto put = [&](std::size_t at, std::uint32_t value) {
    for (std::size_t k = 0; k < 4; ++k) {
      out[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
    }
  };
  out[0] = 'B';
  out[1] = 'M';
  put(bmp::kFileSize, offset + static_cast<std::uint32_t>(data.size()));
  put(bmp::kDataOffset, offset);
  put(bmp::kInfoSize, bmp::kInfoHeaderSize);
  put(bmp::kWidth, static_cast<std::uint32_t>(width));
  put(bmp::kHeight, kHeight);
  put(bmp::kPlanes, 1);
  put(bmp::kBitCount, static_cast<std::uint32_t>(bits));
  put(bmp::kCompression, compression);
  put(bmp::kImageSize, static_cast<std::uint32_t>(data.size()));
  put(bmp::kColoursUsed, colours);
  for (std::uint32_t k = 0; k < colours; ++k) {
    put(bmp::kHeadersSize + 4 * k, (k * 0x3b1d47u) & 0xffffffu);  // no two alike
  }
  out.insert(out.end(), data.begin(), data.end());
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

// ImageMagick writes no RLE4 (its run-length pictures are all 8 bits a pixel), so the runs of
// both depths are made here and read by both.
TEST_F(BmpAsImageMagick, RunsOfBothKindsAsImageMagickReadsThem) {
  for (const int bits : {4, 8}) {
    for (const int width : kWidths) {
      const std::string what =
          "RLE" + std::to_string(bits) + ", " + std::to_string(width) + " wide";
      // Runs of a few pixels, and no colour 0 at a row's end, so that its padding shows.
      std::vector<std::uint8_t> indices;
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < width; ++x) {
          indices.push_back(static_cast<std::uint8_t>(1 + (x / 3 * 5 + y) % ((1 << bits) - 1)));
        }
      }
      const std::string stem = "rle" + std::to_string(bits) + "_" + std::to_string(width);
      const fs::path runs = file(stem + ".bmp");
      const fs::path plain = file(stem + "_plain.bmp");
      writeBmp(runs, bits, bits == 4 ? bmp::kRle4 : bmp::kRle8, width,
               encodeRuns(bits, width, indices));
      writeBmp(plain, bits, bmp::kUncompressed, width, plainRows(bits, width, indices));
      expectRead(runs, plain, bits, width, what);
    }
  }
}

}  // namespace
}  // namespace quib
