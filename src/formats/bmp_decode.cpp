// The BMP decoder: headers read and checked first, then the pixels, row by row or run by run.
#include "formats/bmp_decode.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "formats/bmp_format.hpp"

namespace quib {
namespace {

using Bytes = std::span<const unsigned char>;

// Blue, green and red bytes, no masks.
constexpr std::uint32_t kTrueColourBits = 24;

std::uint32_t le(Bytes bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int k = size - 1; k >= 0; --k) {
    value = (value << 8) | bytes[at + static_cast<std::size_t>(k)];
  }
  return value;
}

// A colour channel given by a mask of bits, stretched to 0..255 (31 and 63 become 255).
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint64_t largest = 0;  // the channel's value at full brightness

  static std::optional<Channel> of(std::uint32_t mask) {
    if (mask == 0) {
      return Channel{};
    }
    const int shift = std::countr_zero(mask);
    const std::uint32_t bits = mask >> shift;
    if ((bits & (bits + 1)) != 0) {
      return std::nullopt;  // not one run of bits
    }
    return Channel{mask, shift, bits};
  }

  std::uint8_t from(std::uint32_t pixel) const {
    if (largest == 0) {
      return 0;
    }
    constexpr std::uint64_t kFull = 255;
    const std::uint64_t value = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>((value * kFull + largest / 2) / largest);
  }
};

struct Header {
  std::uint32_t dataOffset = 0;
  std::uint32_t infoSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows, whichever way they run
  bool topDown = false;
  std::uint32_t bits = 0;
  std::uint32_t compression = bmp::kUncompressed;
  std::uint32_t coloursUsed = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue, for 16 and 32 bits a pixel
};

template <class T>
struct Result {
  std::optional<T> value;
  std::string error;
};

// The masks a picture without its own has: 5-5-5 for 16 bits, 8-8-8 for 32.
std::array<std::uint32_t, 3> standardMasks(std::uint32_t bits) {
  constexpr std::array<std::uint32_t, 3> k555 = {0x7c00, 0x03e0, 0x001f};
  constexpr std::array<std::uint32_t, 3> k888 = {0xff0000, 0x00ff00, 0x0000ff};
  return bits == 16 ? k555 : k888;
}

Result<Header> readInfoHeader(Bytes bytes, Header h) {
  if (bytes.size() < bmp::kHeadersSize) {
    return {std::nullopt, "not a BMP picture"};
  }
  const auto height = static_cast<std::int32_t>(le(bytes, bmp::kHeight, 4));
  h.width = static_cast<std::int32_t>(le(bytes, bmp::kWidth, 4));
  h.height = std::llabs(std::int64_t{height});
  h.topDown = height < 0;
  h.bits = le(bytes, bmp::kBitCount, 2);
  h.compression = le(bytes, bmp::kCompression, 4);
  h.coloursUsed = le(bytes, bmp::kColoursUsed, 4);
  h.masks = standardMasks(h.bits);
  if (h.compression == bmp::kBitFields) {
    // The masks follow a 40-byte header; the later headers hold them themselves.
    constexpr std::size_t kMasksSize = 12;
    if (bytes.size() < bmp::kHeadersSize + kMasksSize) {
      return {std::nullopt, "file is too short for its colour masks"};
    }
    for (std::size_t k = 0; k < 3; ++k) {
      h.masks[k] = le(bytes, bmp::kHeadersSize + 4 * k, 4);
    }
  }
  return {h, {}};
}

Result<Header> readHeader(Bytes bytes) {
  if (bytes.size() < bmp::kFileHeaderSize + bmp::kCoreHeaderSize || bytes[0] != 'B' ||
      bytes[1] != 'M') {
    return {std::nullopt, "not a BMP picture"};
  }
  Header h;
  h.dataOffset = le(bytes, bmp::kDataOffset, 4);
  h.infoSize = le(bytes, bmp::kInfoSize, 4);
  if (h.infoSize == bmp::kCoreHeaderSize) {
    h.width = le(bytes, bmp::kCoreWidth, 2);
    h.height = le(bytes, bmp::kCoreHeight, 2);
    h.bits = le(bytes, bmp::kCoreBitCount, 2);
    h.masks = standardMasks(h.bits);
    return {h, {}};
  }
  // The Windows headers of 40, 52, 56, 108 and 124 bytes share their first 40.
  constexpr std::array<std::uint32_t, 5> kInfoSizes = {40, 52, 56, 108, 124};
  if (std::find(kInfoSizes.begin(), kInfoSizes.end(), h.infoSize) == kInfoSizes.end()) {
    return {std::nullopt, "not a BMP picture (a header of " + std::to_string(h.infoSize) +
                              " bytes is none the game reads)"};
  }
  return readInfoHeader(bytes, h);
}

// What the header says must hold before any pixel is read.
std::string checkHeader(const Header& h) {
  if (h.width <= 0 || h.height <= 0) {
    return "picture has no pixels";
  }
  if (h.width > kMaxPictureSide || h.height > kMaxPictureSide) {
    return "picture is " + std::to_string(h.width) + " x " + std::to_string(h.height) +
           " pixels, larger than " + std::to_string(kMaxPictureSide) + " a side";
  }
  const std::uint32_t b = h.bits;
  if (b != 1 && b != 4 && b != 8 && b != 16 && b != kTrueColourBits && b != 32) {
    return std::to_string(b) + " bits a pixel is no depth the game reads";
  }
  const bool fits = h.compression == bmp::kUncompressed ||
                    (h.compression == bmp::kRle8 && b == 8) ||
                    (h.compression == bmp::kRle4 && b == 4) ||
                    (h.compression == bmp::kBitFields && (b == 16 || b == 32));
  if (!fits) {
    return "compression " + std::to_string(h.compression) + " with " + std::to_string(b) +
           " bits a pixel is none the game reads";
  }
  if (h.topDown && (h.compression == bmp::kRle8 || h.compression == bmp::kRle4)) {
    return "a run-length encoded picture cannot run from the top down";
  }
  return {};
}

Result<std::vector<Rgb>> readPalette(Bytes bytes, const Header& h) {
  const std::size_t most = std::size_t{1} << h.bits;
  const std::size_t count = h.coloursUsed == 0 ? most : std::min<std::size_t>(h.coloursUsed, most);
  const std::size_t entry = h.infoSize == bmp::kCoreHeaderSize ? 3 : 4;
  const std::size_t at = bmp::kFileHeaderSize + h.infoSize;
  if (bytes.size() < at + count * entry) {
    return {std::nullopt,
            "file is too short for its palette of " + std::to_string(count) + " colours"};
  }
  std::vector<Rgb> palette(count);
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t p = at + k * entry;
    palette[k] = rgb(bytes[p + 2], bytes[p + 1], bytes[p]);  // stored blue, green, red
  }
  return {palette, {}};
}

// Palette indices, row by row from the top, into the picture's colours.
std::string paintIndices(const std::vector<std::uint8_t>& indices, const std::vector<Rgb>& palette,
                         PixelBuffer& image) {
  for (std::size_t k = 0; k < indices.size(); ++k) {
    const std::uint8_t index = indices[k];
    if (index >= palette.size()) {
      return "colour " + std::to_string(index) + " lies beyond its palette of " +
             std::to_string(palette.size()) + " colours";
    }
    image.pixels[k] = palette[index];
  }
  return {};
}

// Decodes run-length encoded rows, RLE8 or RLE4, into palette indices (rows from the top).
// Pixels the runs skip keep colour 0.
class RunDecoder {
 public:
  RunDecoder(Bytes data, const Header& h, std::vector<std::uint8_t>& indices)
      : data_(data), width_(h.width), height_(h.height), four_(h.bits == 4), out_(indices) {}

  std::string decode() {
    while (at_ + 2 <= data_.size()) {
      const std::uint8_t count = data_[at_];
      const std::uint8_t value = data_[at_ + 1];
      at_ += 2;
      if (count > 0) {
        if (std::string error = run(count, value); !error.empty()) {
          return error;
        }
        continue;
      }
      if (value == 1) {
        return {};  // the end of the picture
      }
      std::string error = value == 0 ? endOfLine() : value == 2 ? delta() : absolute(value);
      if (!error.empty()) {
        return error;
      }
    }
    return {};  // data that ends without its end mark: what it painted stands
  }

 private:
  std::string place() const {
    if (y_ >= height_) {
      return "run-length data runs past the picture";
    }
    return {};
  }

  // Pixels past the row's width are dropped: writers pad each row's runs to the row's stored
  // size (ImageMagick to whole 32-bit words, so a row 53 wide carries 56 pixels), and the
  // widely used readers drop the padding rather than refuse the picture.
  void put(std::uint8_t index) {
    if (x_ < width_) {
      const std::int64_t row = height_ - 1 - y_;
      out_[static_cast<std::size_t>(row * width_ + x_)] = index;
      ++x_;
    }
  }

  // The k-th index a byte gives in a run: the byte itself, or in RLE4 its high and low
  // nibbles in turn.
  std::uint8_t indexOf(std::uint8_t byte, int k) const {
    constexpr int kNibble = 4;
    constexpr std::uint8_t kLow = 0x0f;
    if (!four_) {
      return byte;
    }
    return static_cast<std::uint8_t>(k % 2 == 0 ? byte >> kNibble : byte & kLow);
  }

  std::string run(int count, std::uint8_t value) {
    if (std::string error = place(); !error.empty()) {
      return error;
    }
    for (int k = 0; k < count; ++k) {
      put(indexOf(value, k));
    }
    return {};
  }

  std::string endOfLine() {
    x_ = 0;
    ++y_;
    return {};
  }

  std::string delta() {
    if (at_ + 2 > data_.size()) {
      return "run-length data ends inside a jump";
    }
    x_ += data_[at_];
    y_ += data_[at_ + 1];
    at_ += 2;
    if (x_ > width_ || y_ >= height_) {
      return "run-length data jumps past the picture";
    }
    return {};
  }

  std::string absolute(int count) {
    const std::size_t bytes =
        four_ ? (static_cast<std::size_t>(count) + 1) / 2 : static_cast<std::size_t>(count);
    const std::size_t padded = bytes + bytes % 2;  // each run ends on a 16-bit boundary
    if (at_ + bytes > data_.size()) {
      return "run-length data ends inside a run";
    }
    if (std::string error = place(); !error.empty()) {
      return error;
    }
    for (int k = 0; k < count; ++k) {
      put(indexOf(data_[at_ + static_cast<std::size_t>(four_ ? k / 2 : k)], k));
    }
    at_ = std::min(at_ + padded, data_.size());
    return {};
  }

  Bytes data_;
  std::size_t at_ = 0;
  std::int64_t width_;
  std::int64_t height_;
  bool four_;
  std::int64_t x_ = 0;
  std::int64_t y_ = 0;  // from the bottom
  std::vector<std::uint8_t>& out_;
};

// Uncompressed palette indices, rows from the top.
void readIndices(Bytes bytes, const Header& h, std::vector<std::uint8_t>& indices) {
  const auto rowBytes = static_cast<std::size_t>(bmp::rowBytes(h.width, h.bits));
  const std::uint32_t perByte = 8 / h.bits;
  const auto mask = static_cast<std::uint8_t>((1u << h.bits) - 1);
  for (std::int64_t r = 0; r < h.height; ++r) {
    const std::int64_t y = h.topDown ? r : h.height - 1 - r;
    const std::size_t row = h.dataOffset + static_cast<std::size_t>(r) * rowBytes;
    for (std::int64_t x = 0; x < h.width; ++x) {
      const std::uint8_t byte = bytes[row + static_cast<std::size_t>(x) / perByte];
      const auto slot = static_cast<std::uint32_t>(x) % perByte;
      const std::uint32_t shift = 8 - h.bits * (slot + 1);  // the leftmost pixel in the high bits
      indices[static_cast<std::size_t>(y * h.width + x)] =
          static_cast<std::uint8_t>((byte >> shift) & mask);
    }
  }
}

std::string readTrueColour(Bytes bytes, const Header& h, PixelBuffer& image) {
  std::array<Channel, 3> channels{};
  for (std::size_t k = 0; k < 3; ++k) {
    const auto channel = Channel::of(h.masks[k]);
    if (!channel) {
      return "its colour masks are not runs of bits";
    }
    channels[k] = *channel;
  }
  const auto rowBytes = static_cast<std::size_t>(bmp::rowBytes(h.width, h.bits));
  const std::size_t pixelBytes = h.bits / 8;
  for (std::int64_t r = 0; r < h.height; ++r) {
    const std::int64_t y = h.topDown ? r : h.height - 1 - r;
    const std::size_t row = h.dataOffset + static_cast<std::size_t>(r) * rowBytes;
    Rgb* to = image.pixels.data() + static_cast<std::size_t>(y * h.width);
    for (std::int64_t x = 0; x < h.width; ++x) {
      const std::size_t p = row + static_cast<std::size_t>(x) * pixelBytes;
      if (h.bits == kTrueColourBits) {
        to[x] = rgb(bytes[p + 2], bytes[p + 1], bytes[p]);
        continue;
      }
      const std::uint32_t pixel = le(bytes, p, static_cast<int>(pixelBytes));
      to[x] = rgb(channels[0].from(pixel), channels[1].from(pixel), channels[2].from(pixel));
    }
  }
  return {};
}

bool runLength(const Header& h) {
  return h.compression == bmp::kRle8 || h.compression == bmp::kRle4;
}

// Whether the file holds the pixels the header claims; run-length data has no fixed size.
std::string checkSize(Bytes bytes, const Header& h) {
  const bool short_ =
      h.dataOffset > bytes.size() ||
      (!runLength(h) && static_cast<std::int64_t>(bytes.size()) <
                            std::int64_t{h.dataOffset} + bmp::rowBytes(h.width, h.bits) * h.height);
  if (short_) {
    return "file is too short for its " + std::to_string(h.width) + " x " +
           std::to_string(h.height) + " pixels";
  }
  return {};
}

std::string readPixels(Bytes bytes, const Header& h, PixelBuffer& image) {
  const bool runs = runLength(h);
  if (h.bits > 8) {
    return readTrueColour(bytes, h, image);
  }
  const Result<std::vector<Rgb>> palette = readPalette(bytes, h);
  if (!palette.value) {
    return palette.error;
  }
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(h.width * h.height), 0);
  if (runs) {
    if (std::string error = RunDecoder(bytes.subspan(h.dataOffset), h, indices).decode();
        !error.empty()) {
      return error;
    }
  } else {
    readIndices(bytes, h, indices);
  }
  return paintIndices(indices, *palette.value, image);
}

}  // namespace

DecodedPicture decodeBmp(std::span<const unsigned char> bytes) {
  const Result<Header> header = readHeader(bytes);
  if (!header.value) {
    return {{}, header.error};
  }
  if (std::string error = checkHeader(*header.value); !error.empty()) {
    return {{}, error};
  }
  // Before the picture takes its memory.
  if (std::string error = checkSize(bytes, *header.value); !error.empty()) {
    return {{}, error};
  }
  const auto width = static_cast<int>(header.value->width);
  const auto height = static_cast<int>(header.value->height);
  DecodedPicture picture{
      {width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * height, 0)}, {}};
  picture.error = readPixels(bytes, *header.value, picture.pixels);
  if (!picture.ok()) {
    picture.pixels = PixelBuffer();
  }
  return picture;
}

}  // namespace quib
