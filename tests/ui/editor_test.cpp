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

// The designer's hands, event by event, in the order written.
struct Script {
  std::vector<DesktopEvent> events;

  Script& key(std::int16_t code) { return add(keyDown(code)); }
  Script& ctrl(char letter, bool shift = false) {
    DesktopEvent event = keyDown(static_cast<std::int16_t>(letter));
    event.control = true;
    event.shift = shift;
    return add(event);
  }
  Script& pointer(Kind kind, Point at, PointerButton button = PointerButton::kPrimary) {
    DesktopEvent event{kind, at.x, at.y};
    event.button = button;
    return add(event);
  }
  Script& click(Point at, PointerButton button = PointerButton::kPrimary) {
    return pointer(Kind::kPointerDown, at, button).pointer(Kind::kPointerUp, at, button);
  }
  Script& close() { return add({Kind::kClose}); }
  Script& add(const DesktopEvent& event) {
    events.push_back(event);
    return *this;
  }
};

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

  int run(const Script& script) {
    desktop_ = ScriptedDesktop();
    desktop_.script.assign(script.events.begin(), script.events.end());
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
  // The file holds a level of extent n, empty but for these panels.
  void expectSaved(int n, const std::vector<std::pair<PlanSpot, std::int32_t>>& panels) const {
    auto expected = std::make_unique<Labmap>();
    for (const auto& [spot, code] : panels) {
      (*expected)(spot.i, spot.j, spot.k) = code;
    }
    auto labmap = std::make_unique<Labmap>();
    const LevelRead read = readLevel(level_, *labmap);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.n, n);
    EXPECT_EQ(*labmap, *expected);
  }
  const ScriptedDesktop::Opened& window() const { return desktop_.opened.at(0); }

  std::string level_;
  ScriptedDesktop desktop_;
  std::vector<std::string> saved_;
};

PlanGeometry planOf(float extent) {
  return PlanGeometry(521.0f, extent, static_cast<float>(kViewLeft), static_cast<float>(kViewTop));
}

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

// The world turned as the keys turn it, or those turns undone.
void turnAs(World& world, const std::vector<std::int16_t>& keys, bool back) {
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const std::int16_t key = back ? keys[keys.size() - 1 - k] : keys[k];
    if (key == vk::kNumpad4 || key == vk::kNumpad6) {
      ((key == vk::kNumpad4) != back ? LeftRound : RightRound)(world);
    }
  }
}

TEST_F(EditorTest, AClickSetsThePanelAimedAtWhateverTheScaleTurnsAndEyeHeight) {
  // Turns and eye moves before the clicks.
  const std::vector<std::vector<std::int16_t>> keyings = {
      {},
      {vk::kNumpad4, vk::kNumpad8, vk::kNumpad8, vk::kNumpad8},
      {vk::kNumpad6, vk::kNumpad6, vk::kNumpad8, vk::kNumpad8, vk::kNumpad8, vk::kNumpad8,
       vk::kNumpad8, vk::kNumpad8, vk::kNumpad8, vk::kUp},
  };
  for (const int n : {1, 2, 10, 22, 100}) {
    for (const auto& keys : keyings) {
      SCOPED_TRACE("extent " + std::to_string(n) + ", " + std::to_string(keys.size()) + " keys");
      auto loaded = std::make_unique<World>();
      loaded->labmap(0, 0, 0) = code::kWall;
      placeViewer(*loaded, n);
      putLevel(loaded->labmap, n);
      // Straight ahead at the far row; the centre, whose layers a turn of an even grid keeps;
      // the near corner.
      const std::vector<PlanSpot> spots = {{n / 2, n, 0}, {n / 2, n / 2, 1}, {0, 0, 1}};
      Script script;
      for (const std::int16_t key : keys) {
        script.key(key);
      }
      script.key('5');  // the power switch
      for (const PlanSpot& spot : spots) {
        script.click(aimAt(planOf(static_cast<float>(n)), spot));
      }
      ASSERT_EQ(run(script.ctrl('S').close()), 0);

      // The same edits on the level turned the same way, then turned back.
      turnAs(*loaded, keys, false);
      for (const PlanSpot& spot : spots) {
        loaded->labmap(spot.i, spot.j, spot.k) = code::kPowerSwitch;
      }
      turnAs(*loaded, keys, true);
      auto saved = std::make_unique<Labmap>();
      ASSERT_TRUE(readLevel(level_, *saved).ok());
      EXPECT_EQ(*saved, loaded->labmap) << "saved as loaded";

      // What the editor showed is what the game shows of the saved level after the same keys.
      GameWindow game(font_);
      game.Form_Load({pictures(), level_});
      for (const std::int16_t key : keys) {
        game.keyDown(key);
      }
      if (keys.empty()) {
        game.redraw();
      }
      EXPECT_TRUE(showsAt(window().presented.back(), game.clientArea()))
          << "the view and the plan after the edits";
    }
  }
}

TEST_F(EditorTest, UndoRedoAndTheCaptionsMarkOfUnsavedChanges) {
  const Point far = aimAt(planOf(10.0f), {5, 10, 0});
  const Point beside = aimAt(planOf(10.0f), {6, 10, 0});
  Script script;
  script.key('1').pointer(Kind::kPointerDown, far).pointer(Kind::kPointerMoved, beside);
  script.pointer(Kind::kPointerUp, beside).ctrl('Z').ctrl('Y').ctrl('Z').ctrl('Z', true);
  script.ctrl('S').click(far, PointerButton::kSecondary).ctrl('S').close();
  ASSERT_EQ(run(script), 0);
  EXPECT_EQ(window().spec.caption, "Find Quib, please - room.dat") << "a new file";
  const std::string clean = "Find Quib, please - room.dat";
  const std::string dirty = clean + "*";
  // The drag, undone, redone by Ctrl+Y, undone, redone by Ctrl+Shift+Z, saved; a panel
  // cleared by the secondary button, saved.
  EXPECT_EQ(window().captions,
            (std::vector<std::string>{dirty, clean, dirty, clean, dirty, clean, dirty, clean}));
  EXPECT_EQ(saved_, (std::vector<std::string>(2, level_)));
  expectSaved(10, {{{6, 10, 0}, code::kWall}});  // the drag's second panel; its first cleared
  EXPECT_TRUE(fs::exists(level_ + "~")) << "the first save's file, kept by the second";
  // "Saved" under the view after a save, and gone with the next change.
  const auto saysSomething = [](const Image& picture) {
    const int top = picture.height() - EditStrip::kHeight;
    for (int y = top; y < picture.height(); ++y) {
      for (int x = kViewLeft; x < kViewLeft + 100; ++x) {
        if (picture.at(x, y) == WindowSurface::kTextColour) {
          return true;
        }
      }
    }
    return false;
  };
  const std::vector<Image>& shown = window().presented;
  EXPECT_TRUE(saysSomething(shown.back()));
  EXPECT_FALSE(saysSomething(shown[shown.size() - 2]));
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
  Script script;
  script.key('3').click(wallSwatch).pointer(Kind::kPointerDown, start);
  script.pointer(Kind::kPointerMoved, over).pointer(Kind::kPointerMoved, up);
  script.pointer(Kind::kPointerUp, up).ctrl('S').ctrl('Z').close().key('D');
  ASSERT_EQ(run(script), 0);
  std::vector<std::pair<PlanSpot, std::int32_t>> walls;
  for (const PlanSpot& spot : std::vector<PlanSpot>{{2, 4, 0},
                                                    {3, 4, 0},
                                                    {4, 4, 0},
                                                    {5, 4, 0},
                                                    {6, 4, 0},
                                                    {7, 4, 0},
                                                    {8, 4, 0},
                                                    {8, 5, 0},
                                                    {8, 6, 0}}) {
    walls.emplace_back(spot, code::kWall);
  }
  expectSaved(10, walls);
  EXPECT_EQ(window().captions.back(), "Find Quib, please - room.dat*") << "one step undone whole";
}

TEST_F(EditorTest, UnsavedChangesAskOnceBeforeTheEnd) {
  const Point far = aimAt(planOf(10.0f), {5, 10, 0});
  const Point beside = aimAt(planOf(10.0f), {6, 10, 0});
  const std::int16_t escape = vk::kEscape;
  struct Case {
    const char* name;
    Script ending;
    bool saved;
    std::vector<std::string> sounds;
  };
  const std::vector<Case> cases = {
      {"close, cancel, close, discard", Script().close().key('C').close().key('D'), false, {}},
      {"close, and close again", Script().close().close(), false, {}},
      // A click on the plan waits for the answer.
      {"Escape, a click, save", Script().key(escape).click(beside).key('S'), true, {"tada.wav"}},
      {"Escape, cancel, Escape, Enter",
       Script().key(escape).key(escape).key(escape).key(13),
       true,
       {"tada.wav"}},
      {"save, then Escape", Script().ctrl('S').key(escape), true, {"tada.wav"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(level_);
    Script script;
    script.key('2').click(far).events.insert(script.events.end(), c.ending.events.begin(),
                                             c.ending.events.end());
    ASSERT_EQ(run(script), 0);
    EXPECT_TRUE(desktop_.script.empty()) << "ended before the script did";
    EXPECT_EQ(desktop_.sounds, c.sounds);
    ASSERT_EQ(fs::exists(level_), c.saved);
    if (c.saved) {
      expectSaved(10, {{{5, 10, 0}, code::kDoor}});
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
  const Point far = aimAt(planOf(10.0f), {5, 10, 0});
  const Point near = aimAt(planOf(10.0f), {5, 0, 0});
  ASSERT_EQ(run(Script().key('1').click(near).key('N').click(far).ctrl('S').close()), 0);
  EXPECT_EQ(window().spec.minimum.height, planClientSize(521.0f, 10.0f).height + EditStrip::kHeight)
      << "room for the new level's plan from the start";
  expectSaved(10, {{{5, 10, 0}, code::kWall}});  // the click before the new level drew nothing
}

}  // namespace
}  // namespace quib
