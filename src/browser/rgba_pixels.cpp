// 0x00RRGGBB words into the byte order of ImageData.
#include "browser/rgba_pixels.hpp"

namespace quib {

std::vector<std::uint8_t> rgbaPixels(const Image& picture) {
  constexpr int kRed = 16;
  constexpr int kGreen = 8;
  constexpr std::uint8_t kOpaque = 255;
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(picture.width()) *
              static_cast<std::size_t>(picture.height()) * 4);
  for (int y = 0; y < picture.height(); ++y) {
    const Rgb* row = picture.row(y);
    for (int x = 0; x < picture.width(); ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x] >> kRed));
      out.push_back(static_cast<std::uint8_t>(row[x] >> kGreen));
      out.push_back(static_cast<std::uint8_t>(row[x]));
      out.push_back(kOpaque);
    }
  }
  return out;
}

}  // namespace quib
