// The desktop's calls, passed to the page's script (page.js) and awaited there where they wait.
#include "browser/browser_desktop.hpp"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "browser/dom_pads.hpp"
#include "browser/rgba_pixels.hpp"
#include "browser/sound_samples.hpp"
#include "formats/message.hpp"
#include "formats/wav_file.hpp"
#include "platform/failure.hpp"
#include "ui/layouts.hpp"

// The page's side of each call, in JavaScript: quibPage is page.js's. The formatter knows no
// JavaScript and would split its operators.
// clang-format off
EM_JS(void, pageOpenWindow, (const char* id, const char* caption, int width, int height), {
  quibPage.openWindow(UTF8ToString(id), UTF8ToString(caption), width, height);
});
EM_JS(void, pageShowWindow, (const char* id, int shown), {
  quibPage.showWindow(UTF8ToString(id), shown !== 0);
});
EM_JS(void, pageSetCaption, (const char* id, const char* caption), {
  quibPage.setCaption(UTF8ToString(id), UTF8ToString(caption));
});
EM_JS(void, pagePresent, (const char* id, int width, int height, const std::uint8_t* rgba), {
  quibPage.present(UTF8ToString(id), width, height,
                   HEAPU8.subarray(rgba, rgba + width * height * 4));
});
EM_JS(double, pageNow, (), { return performance.now(); });
EM_ASYNC_JS(void, pageNextEvent, (int timeoutMs, int* out), {
  const event = await quibPage.nextEvent(timeoutMs);
  HEAP32[out >> 2] = event.kind;
  HEAP32[(out >> 2) + 1] = event.x || 0;
  HEAP32[(out >> 2) + 2] = event.y || 0;
  HEAP32[(out >> 2) + 3] = event.code || 0;
  HEAP32[(out >> 2) + 4] = event.pad || 0;
  HEAP32[(out >> 2) + 5] = event.button || 0;
  HEAP32[(out >> 2) + 6] = event.control ? 1 : 0;
  HEAP32[(out >> 2) + 7] = event.shift ? 1 : 0;
});
EM_ASYNC_JS(void, pagePlaySound, (int rate, int channels, int frames, const float* samples), {
  await quibPage.playSound(rate, channels, frames,
                           HEAPF32.subarray(samples >> 2, (samples >> 2) + channels * frames));
});
// clang-format on

namespace quib {
namespace {

// The page's event as pageNextEvent hands it over, eight numbers.
struct PageEvent {
  int kind;
  int x;
  int y;
  int code;
  int pad;
  int button;  // the DOM's: 0 the main button, 2 the secondary one
  int control;
  int shift;
};
constexpr std::size_t kPageEventFields = 8;

// The kinds as page.js numbers them (its EVENT), 0 the wait running out.
constexpr std::array kPageKinds = {
    DesktopEvent::Kind::kTimeout,     DesktopEvent::Kind::kClose,
    DesktopEvent::Kind::kExposed,     DesktopEvent::Kind::kPointerMoved,
    DesktopEvent::Kind::kPointerLeft, DesktopEvent::Kind::kPointerDown,
    DesktopEvent::Kind::kPointerUp,   DesktopEvent::Kind::kKeyDown,
    DesktopEvent::Kind::kKeyUp,       DesktopEvent::Kind::kPadDown,
    DesktopEvent::Kind::kPadUp,
};
// page.js's EVENT.abandon, after the desktop's kinds: the page ends the run (RunAbandoned).
constexpr int kPageAbandon = static_cast<int>(kPageKinds.size());

// The DOM's button numbers of the buttons the game tells apart.
constexpr int kDomMainButton = 0;
constexpr int kDomSecondaryButton = 2;

// The game's event; nothing for a button the game has no use for.
std::optional<DesktopEvent> desktopEventOf(const PageEvent& page) {
  if (page.kind < 0 || static_cast<std::size_t>(page.kind) >= kPageKinds.size()) {
    return std::nullopt;
  }
  DesktopEvent event;
  event.kind = kPageKinds.at(static_cast<std::size_t>(page.kind));
  event.x = page.x;
  event.y = page.y;
  event.keyCode = static_cast<std::int16_t>(page.code);
  event.control = page.control != 0;
  event.shift = page.shift != 0;
  if (event.kind == DesktopEvent::Kind::kPadDown || event.kind == DesktopEvent::Kind::kPadUp) {
    const std::optional<PadButton> button = padButtonOfStandard(page.pad);
    if (!button) {
      return std::nullopt;
    }
    event.pad = *button;
  }
  if (event.kind == DesktopEvent::Kind::kPointerDown ||
      event.kind == DesktopEvent::Kind::kPointerUp) {
    if (page.button != kDomMainButton && page.button != kDomSecondaryButton) {
      return std::nullopt;
    }
    event.button =
        page.button == kDomMainButton ? PointerButton::kPrimary : PointerButton::kSecondary;
  }
  return event;
}

class BrowserWindow final : public DesktopWindow {
 public:
  explicit BrowserWindow(std::string canvas) : canvas_(std::move(canvas)) {}
  // The canvas keeps what it shows when its window goes: the game's last frame stays.
  ~BrowserWindow() override = default;
  BrowserWindow(const BrowserWindow&) = delete;
  BrowserWindow& operator=(const BrowserWindow&) = delete;

  void show() override { pageShowWindow(canvas_.c_str(), 1); }
  void hide() override { pageShowWindow(canvas_.c_str(), 0); }
  void setCaption(const std::string& caption) override {
    pageSetCaption(canvas_.c_str(), caption.c_str());
  }
  // The page scales the canvas by whole factors to fit; the canvas itself is the picture at 1x.
  // The picture goes over whole: its copy costs less than the page's painting of it.
  void present(const Image& picture, std::span<const Rect> /*changed*/) override {
    const std::vector<std::uint8_t> rgba = rgbaPixels(picture);
    pagePresent(canvas_.c_str(), picture.width(), picture.height(), rgba.data());
  }

 private:
  std::string canvas_;
};

}  // namespace

std::string canvasOf(const std::string& caption) {
  if (caption == form2::kCaption) {
    return "form2";
  }
  // The editor's captions name the file after the game window's own.
  if (caption.starts_with(form1::kCaption)) {
    return "form1";
  }
  return {};
}

std::unique_ptr<DesktopWindow> BrowserDesktop::open(const WindowSpec& spec) {
  std::string canvas = canvasOf(spec.caption);
  if (canvas.empty()) {
    throw Failure("cannot open the window \"" + spec.caption + "\": the page has no canvas for it");
  }
  pageOpenWindow(canvas.c_str(), spec.caption.c_str(), spec.width, spec.height);
  return std::make_unique<BrowserWindow>(std::move(canvas));
}

DesktopEvent BrowserDesktop::wait(int timeoutMs) {
  const std::uint64_t deadline = now() + static_cast<std::uint64_t>(std::max(0, timeoutMs));
  for (;;) {
    const std::uint64_t at = now();
    const int left = timeoutMs < 0 ? -1 : static_cast<int>(deadline > at ? deadline - at : 0);
    std::array<int, kPageEventFields> raw{};
    pageNextEvent(left, raw.data());
    if (raw[0] == kPageAbandon) {
      throw RunAbandoned();
    }
    if (const std::optional<DesktopEvent> event =
            desktopEventOf({raw[0], raw[1], raw[2], raw[3], raw[4], raw[5], raw[6], raw[7]})) {
      return *event;
    }
  }
}

std::optional<Rect> BrowserDesktop::usableArea() const {
  return std::nullopt;
}

std::uint64_t BrowserDesktop::now() const {
  return static_cast<std::uint64_t>(pageNow());
}

void BrowserDesktop::playSoundToEnd(const std::string& path) {
  const WavSound sound = readWavFile(path);
  if (!sound.ok()) {
    sayLine("quib", "cannot play " + path + " (" + sound.error + ")");
    return;
  }
  const PlanarSound planar = planarSound(sound);
  if (planar.frames == 0) {
    return;
  }
  pagePlaySound(planar.rate, planar.channels, planar.frames, planar.samples.data());
}

}  // namespace quib
