// A desktop that plays back a script of events and remembers what the program did with it.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.hpp"

namespace quib {

// A desktop that plays back a script of events and remembers what the program did with it.
class ScriptedDesktop final : public Desktop {
  using Kind = DesktopEvent::Kind;

 public:
  struct Opened {
    WindowSpec spec;
    Image icon;
    bool shown = false;
    std::vector<Image> presented;
    std::vector<std::vector<Rect>> changed;  // for each picture presented
    std::vector<std::string> captions;       // set after opening, in turn
  };
  // An event of the script; one already waiting comes at once, before the program would
  // show what it has.
  struct Step {
    Step(const DesktopEvent& e) : event(e) {}  // NOLINT(google-explicit-constructor)
    DesktopEvent event;
    bool waiting = false;
  };

  class Window final : public DesktopWindow {
   public:
    Window(ScriptedDesktop& desktop, int id) : desktop_(desktop), id_(id) {}
    void show() override { record().shown = true; }
    void hide() override { record().shown = false; }
    void setCaption(const std::string& caption) override { record().captions.push_back(caption); }
    void present(const Image& picture, std::span<const Rect> changed) override {
      record().presented.push_back(picture);
      record().changed.emplace_back(changed.begin(), changed.end());
    }

   private:
    Opened& record() { return desktop_.opened[static_cast<std::size_t>(id_ - 1)]; }
    ScriptedDesktop& desktop_;
    int id_;
  };

  std::unique_ptr<DesktopWindow> open(const WindowSpec& spec) override {
    opened.push_back({spec, spec.icon != nullptr ? *spec.icon : Image(), false, {}, {}, {}});
    return std::make_unique<Window>(*this, static_cast<int>(opened.size()));
  }
  DesktopEvent wait(int timeoutMs) override {
    if (script.empty()) {
      ADD_FAILURE() << "the program waits for more than the script holds";
      return {Kind::kClose};
    }
    if (timeoutMs == 0 && !script.front().waiting) {
      return {Kind::kTimeout};
    }
    DesktopEvent event = script.front().event;
    script.pop_front();
    if (event.kind == Kind::kTimeout) {
      EXPECT_GE(timeoutMs, 0) << "a timeout while nothing was due";
      clock += static_cast<std::uint64_t>(timeoutMs);
    }
    return event;
  }
  std::optional<Rect> usableArea() const override { return screen; }
  std::uint64_t now() const override { return clock; }
  void playSoundToEnd(const std::string& path) override { sounds.push_back(path); }

  std::deque<Step> script;
  std::optional<Rect> screen;  // nothing: a screen of no known size
  std::vector<Opened> opened;
  std::vector<std::string> sounds;
  std::uint64_t clock = 1000;
};

inline DesktopEvent keyDown(std::int16_t code) {
  return {DesktopEvent::Kind::kKeyDown, 0, 0, code};
}

}  // namespace quib
