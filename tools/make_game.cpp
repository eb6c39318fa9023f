// quib-makegame: draws the shipped pictures and synthesises the chime of the game folder.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "platform/chime.hpp"
#include "platform/image.hpp"

namespace {

using quib::Image;
using quib::Rgb;
using quib::rgb;

void put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) {
    out.put(static_cast<char>((value >> (8 * k)) & 0xff));
  }
}

bool writeBmp(const Image& image, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  const auto w = static_cast<std::uint32_t>(image.width());
  const auto h = static_cast<std::uint32_t>(image.height());
  const std::uint32_t rowBytes = (w * 3 + 3) / 4 * 4;
  out << "BM";
  put(out, 54 + rowBytes * h, 4);
  put(out, 0, 4);
  put(out, 54, 4);
  put(out, 40, 4);
  put(out, w, 4);
  put(out, h, 4);
  put(out, 1, 2);
  put(out, 24, 2);
  put(out, 0, 4);
  put(out, rowBytes * h, 4);
  put(out, 2835, 4);
  put(out, 2835, 4);
  put(out, 0, 4);
  put(out, 0, 4);
  for (int y = image.height() - 1; y >= 0; --y) {  // bottom row first
    for (int x = 0; x < image.width(); ++x) {
      put(out, image.at(x, y), 3);  // 0x00RRGGBB little-endian is B, G, R
    }
    put(out, 0, static_cast<int>(rowBytes - w * 3));
  }
  return static_cast<bool>(out);
}

bool writeWav(const std::vector<std::int16_t>& samples, int rate, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
  out << "RIFF";
  put(out, 36 + bytes, 4);
  out << "WAVEfmt ";
  put(out, 16, 4);
  put(out, 1, 2);  // PCM
  put(out, 1, 2);  // mono
  put(out, static_cast<std::uint32_t>(rate), 4);
  put(out, static_cast<std::uint32_t>(rate) * 2, 4);
  put(out, 2, 2);
  put(out, 16, 2);
  out << "data";
  put(out, bytes, 4);
  for (const std::int16_t sample : samples) {
    put(out, static_cast<std::uint16_t>(sample), 2);
  }
  return static_cast<bool>(out);
}

Image paint(int w, int h, const std::function<Rgb(int, int)>& shade) {
  Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      image.set(x, y, shade(x, y));
    }
  }
  return image;
}

Rgb mix(Rgb a, Rgb b, double t) {
  const auto channel = [&](int shift) {
    const double va = (a >> shift) & 0xff;
    const double vb = (b >> shift) & 0xff;
    return static_cast<std::uint8_t>(std::lround(va + (vb - va) * t));
  };
  return rgb(channel(16), channel(8), channel(0));
}

// Cheap repeatable grain, so flat areas do not look printed.
int grain(int x, int y) {
  std::uint32_t v =
      static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
  v = (v ^ (v >> 13)) * 1274126177u;
  return static_cast<int>((v >> 24) % 17) - 8;
}

Rgb shift(Rgb colour, int by) {
  const auto channel = [&](int s) {
    return static_cast<std::uint8_t>(
        std::clamp(static_cast<int>((colour >> s) & 0xff) + by, 0, 255));
  };
  return rgb(channel(16), channel(8), channel(0));
}

// Ceiling above, floor below, meeting at the view's horizon (row 260 of 521).
Image backdrop() {
  return paint(521, 521, [](int x, int y) {
    if (y < 260) {
      return shift(mix(rgb(40, 44, 60), rgb(96, 100, 118), y / 260.0), grain(x, y) / 3);
    }
    if (y == 260) {
      return rgb(30, 30, 30);
    }
    return shift(mix(rgb(70, 62, 50), rgb(150, 136, 110), (y - 260) / 260.0), grain(x, y) / 2);
  });
}

Image brickWall() {
  return paint(64, 64, [](int x, int y) {
    const int course = y / 8;
    const int offset = (course % 2) * 8;
    const bool mortar = y % 8 == 7 || (x + offset) % 16 == 15;
    const Rgb brick = (course + (x + offset) / 16) % 3 == 0 ? rgb(150, 72, 44) : rgb(132, 60, 38);
    return shift(mortar ? rgb(170, 164, 150) : brick, grain(x, y));
  });
}

Image door() {
  return paint(64, 64, [](int x, int y) {
    if (x < 4 || x > 59 || y < 4) {
      return rgb(60, 40, 24);  // frame
    }
    if (x >= 48 && x <= 52 && y >= 32 && y <= 36) {
      return rgb(230, 200, 80);  // knob
    }
    const bool seam = (x - 4) % 11 == 0;
    return shift(seam ? rgb(90, 58, 30) : rgb(156, 104, 56),
                 grain(x, y) / 2 + (x % 11 == 3 ? 6 : 0));
  });
}

Image lift() {
  return paint(64, 64, [](int x, int y) {
    if (x < 3 || x > 60 || y < 10) {
      return y < 10 && x >= 26 && x <= 37 && y >= 3 && y <= 7 ? rgb(255, 160, 40)  // floor light
                                                              : rgb(70, 74, 80);
    }
    if (x == 31 || x == 32) {
      return rgb(20, 20, 24);  // the gap between the two leaves
    }
    const double sheen = 0.5 + 0.5 * std::cos((x % 29) / 29.0 * 3.14159);
    return shift(mix(rgb(150, 156, 164), rgb(205, 210, 218), sheen), grain(x, y) / 4);
  });
}

Image powerSwitch() {
  return paint(64, 64, [](int x, int y) {
    const bool plate = x >= 18 && x <= 45 && y >= 12 && y <= 51;
    if (!plate) {
      return shift(rgb(88, 92, 88), grain(x, y) / 2);
    }
    if (x >= 28 && x <= 35 && y >= 18 && y <= 34) {
      return rgb(40, 200, 60);  // lever, up: power on
    }
    if (std::hypot(x - 31.5, y - 44.0) < 3.5) {
      return rgb(255, 60, 40);  // lamp
    }
    return rgb(210, 206, 190);
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quib-makegame GAME_FOLDER\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::error_code error;
  std::filesystem::create_directories(root / "x", error);
  std::filesystem::create_directories(root / "bin", error);
  const bool ok = writeBmp(backdrop(), (root / "x" / "p3.bmp").string()) &&
                  writeBmp(brickWall(), (root / "x" / "wall.bmp").string()) &&
                  writeBmp(door(), (root / "x" / "door.bmp").string()) &&
                  writeBmp(lift(), (root / "x" / "lift.bmp").string()) &&
                  writeBmp(powerSwitch(), (root / "x" / "powon.bmp").string()) &&
                  writeWav(quib::synthesizeChime(quib::kChimeRate, 1.0), quib::kChimeRate,
                           (root / "bin" / "tada.wav").string());
  if (!ok) {
    std::cerr << "quib-makegame: cannot write the game folder " << root.string() << '\n';
    return 1;
  }
  return 0;
}
