// wait_shown WINDOW PICTURE.rgb WIDTH HEIGHT TIMEOUT_MS: waits until an X window shows the
// picture (raw 8-bit RGB, WIDTH x HEIGHT) as the game shows its client area, scaled by the
// largest whole factor that fits and centred, and prints how many milliseconds that took.
// Ends with 1, printing how many pixels still differ, when the time runs out first.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

// A pixel of a 24-bit window read straight from the image where its layout allows.
unsigned long pixelAt(XImage* image, int x, int y) {
  if (image->bits_per_pixel == 32 && image->byte_order == LSBFirst &&
      image->red_mask == 0xFF0000UL && image->blue_mask == 0xFFUL) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line);
    return row[x];
  }
  return XGetPixel(image, x, y);
}

// A part of the picture, in its pixels.
struct Part {
  int x, y, w, h;
};

// How many pixels of the window differ from the part of the picture fitted into it; -1 when
// the window cannot be read or is too small for the picture at 1x.
long differing(Display* display, Window window, const Picture& picture, Part part) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) {
    return -1;
  }
  const int factor = std::min(attributes.width / picture.width, attributes.height / picture.height);
  if (factor < 1) {
    return -1;
  }
  const int left = (attributes.width - picture.width * factor) / 2 + part.x * factor;
  const int top = (attributes.height - picture.height * factor) / 2 + part.y * factor;
  XImage* image = XGetImage(display, window, left, top, static_cast<unsigned>(part.w * factor),
                            static_cast<unsigned>(part.h * factor), AllPlanes, ZPixmap);
  if (image == nullptr) {
    return -1;
  }
  long count = 0;
  for (int y = 0; y < part.h * factor; ++y) {
    const unsigned char* row =
        picture.rgb.data() + (static_cast<std::size_t>(part.y + y / factor) * picture.width +
                              static_cast<std::size_t>(part.x)) *
                                 3;
    for (int x = 0; x < part.w * factor; ++x) {
      const unsigned char* p = row + static_cast<std::size_t>(x / factor) * 3;
      const unsigned long want =
          (static_cast<unsigned long>(p[0]) << 16) | (static_cast<unsigned long>(p[1]) << 8) | p[2];
      if ((pixelAt(image, x, y) & 0xFFFFFFUL) != want) {
        ++count;
      }
    }
  }
  XDestroyImage(image);
  return count;
}

// Reading the whole of a large window takes the server and this program a good part of a
// second. The game draws whole squares of 16 rows of its picture, each with a single request:
// one row from the middle of each band tells whether that band is drawn yet; once all are,
// the whole window is read to confirm it.
constexpr int kBand = 16;

bool probesMatch(Display* display, Window window, const Picture& picture) {
  for (int y = kBand / 2; y < picture.height + kBand / 2; y += kBand) {
    if (differing(display, window, picture,
                  {0, std::min(y, picture.height - 1), picture.width, 1}) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: wait_shown WINDOW PICTURE.rgb WIDTH HEIGHT TIMEOUT_MS\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  Picture picture;
  picture.width = std::atoi(argv[3]);
  picture.height = std::atoi(argv[4]);
  std::ifstream in(argv[2], std::ios::binary | std::ios::ate);
  picture.rgb.resize(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(picture.rgb.data()),
          static_cast<std::streamsize>(picture.rgb.size()));
  if (picture.width < 1 || picture.height < 1 ||
      picture.rgb.size() != static_cast<std::size_t>(picture.width) * picture.height * 3) {
    std::fprintf(stderr, "wait_shown: %s is not %s x %s RGB pixels\n", argv[2], argv[3], argv[4]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "wait_shown: no display\n");
    return 2;
  }
  const Window window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
  const auto limit = std::chrono::milliseconds(std::atol(argv[5]));
  long last = -1;
  for (;;) {
    // The moment every band was seen drawn, should the whole window confirm it.
    const auto seen = std::chrono::steady_clock::now() - start;
    if (probesMatch(display, window, picture)) {
      last = differing(display, window, picture, {0, 0, picture.width, picture.height});
      if (last == 0) {
        std::printf(
            "%ld\n",
            static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(seen).count()));
        // Closed, or a leak checker would count the connection and fail the run.
        XCloseDisplay(display);
        return 0;
      }
    }
    if (std::chrono::steady_clock::now() - start > limit) {
      std::printf("still %ld pixels differ\n",
                  differing(display, window, picture, {0, 0, picture.width, picture.height}));
      XCloseDisplay(display);
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}
