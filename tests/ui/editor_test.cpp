// The editor on a scripted desktop: clicks on the plan at every scale, turned and from every
// eye height; undo and redo; saving; the questions before the end; levels it cannot draw on.
#include "ui/editor.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "control/plan_map.hpp"
#include "edit/plan_spot.hpp"
#include "platform/failure.hpp"
#include "ui/edit_strip.hpp"
#include "ui/scratch_game_folder.hpp"
#include "ui/scripted_desktop.hpp"
#include "world/key_codes.hpp"
#include "world/labmap_printer.hpp"
#include "world/level_file.hpp"
#include "world/turning.hpp"

namespace quib {
namespace fs = std::filesystem;
namespace {

using Kind = DesktopEvent::Kind;

DesktopEvent pointer(Kind kind, Point at, PointerButton button = PointerButton::kPrimary) {
  DesktopEvent event{kind, at.x, at.y};
  event.button = button;
  return event;
}

DesktopEvent withControl(char letter, bool shift = false) {
  DesktopEvent event = keyDown(static_cast<std::int16_t>(letter));
  event.control = true;
  event.shift = shift;
  return event;
}

// A window pixel that aims at the panel: beside the point for layer 0, above or below it for
// layer 1, as far out as the plan's scale lets a whole pixel still lie nearer that point and
// that side of it.
Point aimAt(const PlanGeometry& g, const PlanSpot& spot) {
  for (const float out : {0.35f, -0.35f, 0.3f, -0.3f, 0.25f, -0.25f, 0.4f, -0.4f}) {
    const float right = spot.k == 0 ? out : 0.0f;
    const float up = spot.k == 1 ? out : 0.0f;
    const Point at{static_cast<int>(std::lround(g.px(static_cast<float>(spot.i) + right))),
                   static_cast<int>(std::lround(g.py(static_cast<float>(spot.j) + up)))};
    const float across = std::abs(static_cast<float>(at.x) - g.px(static_cast<float>(spot.i)));
    const float along = std::abs(static_cast<float>(at.y) - g.py(static_cast<float>(spot.j)));
    const float margin = 0.2f;  // pixels
    if (across < g.s / 2 - margin && along < g.s / 2 - margin &&
        (spot.k == 0 ? across > along + margin : along > across + margin)) {
      return at;
    }
  }
  ADD_FAILURE() << "no pixel aims at (" << spot.i << ", " << spot.j << ", " << spot.k << ")";
  return {};
}

class EditorTest : public ScratchGameFolder {
 protected:
  void SetUp() override {
    ScratchGameFolder::SetUp();
    level_ = (root_ / "room.dat").string();
  }

  int run(std::vector<DesktopEvent> events) {
    desktop_.script.assign(events.begin(), events.end());
    EditOptions options;
    options.files = {pictures(), level_};
    options.shownName = "room.dat";
    options.saved = [&](const std::string& path) { saved_.push_back(path); };
    return runEditor(desktop_, font_, options);
  }

  void putLevel(const Labmap& labmap, int n) const {
    std::ofstream out(level_, std::ios::binary);
    quib::writeLevel(out, labmap, n);
  }
  std::unique_ptr<Labmap> savedLevel(int& n) const {
    auto labmap = std::make_unique<Labmap>();
    const LevelRead read = readLevel(level_, *labmap);
    EXPECT_TRUE(read.ok()) << read.error;
    n = read.n;
    return labmap;
  }
  const ScriptedDesktop::Opened& window() const { return desktop_.opened.at(0); }
  int stripTop() const { return window().spec.minimum.height - EditStrip::kHeight; }

  static PlanGeometry planOf(float extent) {
    return PlanGeometry(521.0f, extent, static_cast<float>(kViewLeft),
                        static_cast<float>(kViewTop));
  }

  std::string level_;
  ScriptedDesktop desktop_;
  std::vector<std::string> saved_;
};

// True when the picture's top-left part is `expected`.
bool showsAt(const Image& picture, const Image& expected) {
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (picture.at(x, y) != expected.at(x, y)) {
        return false;
      }
    }
  }
  return true;
}

TEST_F(EditorTest, AClickSetsThePanelAimedAtWhateverTheScaleTurnsAndEyeHeight) {
  struct Case {
    std::vector<std::int16_t> keys;  // turns and eye moves before the click
  };
  const std::vector<Case> cases = {
      {{}},
      {{vk::kNumpad4, vk::kNumpad8, vk::kNumpad8, vk::kNumpad8}},
      {{vk::kNumpad6, vk::kNumpad6, vk::kNumpad8, vk::kNumpad8, vk::kNumpad8, vk::kNumpad8,
        vk::kNumpad8, vk::kNumpad8, vk::kNumpad8, vk::kUp}},
  };
  for (const int n : {1, 2, 10, 22, 100}) {
    for (const Case& c : cases) {
      SCOPED_TRACE("extent " + std::to_string(n) + ", " + std::to_string(c.keys.size()) + " keys");
      auto loaded = std::make_unique<Labmap>();
      (*loaded)(0, 0, 0) = code::kWall;
      putLevel(*loaded, n);
      // Straight ahead at the far row, and a side panel of the near corner.
      const std::vector<PlanSpot> spots = {{n / 2, n, 0}, {0, 0, 1}};
      std::vector<DesktopEvent> script;
      for (const std::int16_t key : c.keys) {
        script.push_back(keyDown(key));
      }
      script.push_back(keyDown('5'));  // the power switch
      const PlanGeometry g = planOf(static_cast<float>(n));
      for (const PlanSpot& spot : spots) {
        script.push_back(pointer(Kind::kPointerDown, aimAt(g, spot)));
        script.push_back(pointer(Kind::kPointerUp, aimAt(g, spot)));
      }
      script.push_back(withControl('S'));
      script.push_back({Kind::kClose});
      desktop_ = ScriptedDesktop();
      ASSERT_EQ(run(script), 0);

      // The same edits on the level turned the same way, then turned back.
      auto expected = std::make_unique<World>();
      expected->labmap = *loaded;
      placeViewer(*expected, n);
      for (const std::int16_t key : c.keys) {
        if (key == vk::kNumpad4) {
          LeftRound(*expected);
        } else if (key == vk::kNumpad6) {
          RightRound(*expected);
        }
      }
      for (const PlanSpot& spot : spots) {
        expected->labmap(spot.i, spot.j, spot.k) = code::kPowerSwitch;
      }
      for (auto key = c.keys.rbegin(); key != c.keys.rend(); ++key) {
        if (*key == vk::kNumpad4) {
          RightRound(*expected);
        } else if (*key == vk::kNumpad6) {
          LeftRound(*expected);
        }
      }
      int savedN = 0;
      EXPECT_EQ(*savedLevel(savedN), expected->labmap) << "saved as loaded";
      EXPECT_EQ(savedN, n);

      // What the editor showed is what the game shows of the saved level after the same keys.
      GameWindow game(font_);
      game.Form_Load({pictures(), level_});
      for (const std::int16_t key : c.keys) {
        game.keyDown(key);
      }
      if (c.keys.empty()) {
        game.redraw();
      }
      ASSERT_FALSE(window().presented.empty());
      EXPECT_TRUE(showsAt(window().presented.back(), game.clientArea()))
          << "the view and the plan after the edits";
    }
  }
}

TEST_F(EditorTest, UndoRedoAndTheCaptionsMarkOfUnsavedChanges) {
  const PlanGeometry g = planOf(10.0f);
  const Point far = aimAt(g, {5, 10, 0});
  const Point beside = aimAt(g, {6, 10, 0});
  ASSERT_EQ(run({keyDown('1'),
                 pointer(Kind::kPointerDown, far),
                 pointer(Kind::kPointerMoved, beside),
                 pointer(Kind::kPointerUp, beside),
                 withControl('Z'),
                 withControl('Y'),
                 withControl('Z'),
                 withControl('Z', true),
                 withControl('S'),
                 pointer(Kind::kPointerDown, far, PointerButton::kSecondary),
                 pointer(Kind::kPointerUp, far, PointerButton::kSecondary),
                 withControl('S'),
                 {Kind::kClose}}),
            0);
  EXPECT_EQ(window().spec.caption, "Find Quib, please - room.dat") << "a new file";
  EXPECT_EQ(window().captions,
            (std::vector<std::string>{
                "Find Quib, please - room.dat*",  // the drag
                "Find Quib, please - room.dat",   // undone
                "Find Quib, please - room.dat*",  // redone by Ctrl+Y
                "Find Quib, please - room.dat",   // undone
                "Find Quib, please - room.dat*",  // redone by Ctrl+Shift+Z
                "Find Quib, please - room.dat",   // saved
                "Find Quib, please - room.dat*",  // cleared by the secondary button
                "Find Quib, please - room.dat",   // saved
            }));
  EXPECT_EQ(saved_, (std::vector<std::string>(2, level_)));
  int n = 0;
  auto expected = std::make_unique<Labmap>();
  (*expected)(6, 10, 0) = code::kWall;  // the drag's second panel; its first was cleared
  EXPECT_EQ(*savedLevel(n), *expected);
  EXPECT_EQ(n, 10);
  std::ifstream kept(level_ + "~");
  EXPECT_TRUE(kept.good()) << "the first save's file, kept by the second";
}

TEST_F(EditorTest, ADragPaintsEveryPanelOnItsWayInTheLayerItBeganIn) {
  const PlanGeometry g = planOf(10.0f);
  // One move from beside point 2 of row 4 to right over point 8, and on up its column.
  const Point start = aimAt(g, {2, 4, 0});
  const Point over{static_cast<int>(std::lround(g.px(8.0f))),
                   static_cast<int>(std::lround(g.py(4.0f)))};
  const Point up{over.x, static_cast<int>(std::lround(g.py(6.0f)))};
  // The palette's swatch of code 1 under the plan: 28 pixels square, 32 apart, from the plan's
  // left edge, 4 below the strip's top.
  const Point wallSwatch{kViewLeft + 521 + 5 + 32 + 14,
                         planClientSize(521.0f, 10.0f).height + 4 + 14};
  ASSERT_EQ(run({keyDown('3'),
                 pointer(Kind::kPointerDown, wallSwatch),
                 pointer(Kind::kPointerUp, wallSwatch),
                 pointer(Kind::kPointerDown, start),
                 pointer(Kind::kPointerMoved, over),
                 pointer(Kind::kPointerMoved, up),
                 pointer(Kind::kPointerUp, up),
                 withControl('S'),
                 withControl('Z'),
                 {Kind::kClose},
                 keyDown('D')}),
            0);
  auto expected = std::make_unique<Labmap>();
  for (int i = 2; i <= 8; ++i) {
    (*expected)(i, 4, 0) = code::kWall;
  }
  (*expected)(8, 5, 0) = code::kWall;
  (*expected)(8, 6, 0) = code::kWall;
  int n = 0;
  EXPECT_EQ(*savedLevel(n), *expected);
  EXPECT_EQ(window().captions.back(), "Find Quib, please - room.dat*") << "one step undone whole";
}

TEST_F(EditorTest, UnsavedChangesAskOnceBeforeTheEnd) {
  const Point far = aimAt(planOf(10.0f), {5, 10, 0});
  const Point beside = aimAt(planOf(10.0f), {6, 10, 0});
  const DesktopEvent escape = keyDown(vk::kEscape);
  const DesktopEvent close{Kind::kClose};
  struct Case {
    const char* name;
    std::vector<DesktopEvent> ending;
    bool saved;
    std::vector<std::string> sounds;
  };
  const std::vector<Case> cases = {
      {"close, cancel, close, discard", {close, keyDown('C'), close, keyDown('D')}, false, {}},
      {"close, and close again", {close, close}, false, {}},
      // A click on the plan waits for the answer.
      {"Escape, a click, save",
       {escape, pointer(Kind::kPointerDown, beside), pointer(Kind::kPointerUp, beside),
        keyDown('S')},
       true,
       {"tada.wav"}},
      {"Escape, cancel, Escape, Enter",
       {escape, escape, escape, keyDown(vk::kReturn)},
       true,
       {"tada.wav"}},
      {"save, then Escape", {withControl('S'), escape}, true, {"tada.wav"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(level_);
    desktop_ = ScriptedDesktop();
    std::vector<DesktopEvent> script = {keyDown('2'), pointer(Kind::kPointerDown, far),
                                        pointer(Kind::kPointerUp, far)};
    script.insert(script.end(), c.ending.begin(), c.ending.end());
    ASSERT_EQ(run(script), 0);
    EXPECT_TRUE(desktop_.script.empty()) << "ended before the script did";
    EXPECT_EQ(desktop_.sounds, c.sounds);
    ASSERT_EQ(fs::exists(level_), c.saved);
    if (c.saved) {
      int n = 0;
      auto expected = std::make_unique<Labmap>();
      (*expected)(5, 10, 0) = code::kDoor;
      EXPECT_EQ(*savedLevel(n), *expected);
    }
  }
}

TEST_F(EditorTest, ALevelThatCannotBeReadOpensNothing) {
  std::ofstream(level_) << "10\n1,2,x\n";
  try {
    run({});
    ADD_FAILURE() << "the editor started";
  } catch (const Failure& failure) {
    EXPECT_NE(std::string(failure.what()).find(level_), std::string::npos) << failure.what();
  }
  EXPECT_TRUE(desktop_.opened.empty());
}

TEST_F(EditorTest, ALevelWithoutPlanOffersANewOne) {
  putLevel(*std::make_unique<Labmap>(), 0);
  const PlanGeometry g = planOf(10.0f);
  const Point far = aimAt(g, {5, 10, 0});
  const Point near = aimAt(g, {5, 0, 0});
  ASSERT_EQ(run({keyDown('1'),
                 pointer(Kind::kPointerDown, near),
                 pointer(Kind::kPointerUp, near),
                 keyDown('N'),
                 pointer(Kind::kPointerDown, far),
                 pointer(Kind::kPointerUp, far),
                 withControl('S'),
                 {Kind::kClose}}),
            0);
  EXPECT_EQ(window().spec.minimum.height, planClientSize(521.0f, 10.0f).height + EditStrip::kHeight)
      << "room for the new level's plan from the start";
  int n = 0;
  auto expected = std::make_unique<Labmap>();
  (*expected)(5, 10, 0) = code::kWall;
  EXPECT_EQ(*savedLevel(n), *expected) << "the click before the new level drew nothing";
  EXPECT_EQ(n, 10);
}

}  // namespace
}  // namespace quib
