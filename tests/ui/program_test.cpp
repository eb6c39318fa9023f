// The program's run on a scripted desktop: which windows open, what they show, how it ends.
#include "ui/program.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/failure.hpp"
#include "ui/game_window.hpp"
#include "ui/key_record.hpp"
#include "ui/layouts.hpp"
#include "ui/scratch_game_folder.hpp"
#include "ui/scripted_desktop.hpp"
#include "ui/start_screen.hpp"

namespace quib {
namespace fs = std::filesystem;
namespace {

using Kind = DesktopEvent::Kind;

class ProgramTest : public ScratchGameFolder {
 protected:
  int run(std::initializer_list<DesktopEvent> events, int scale = 1) {
    desktop_.script.assign(events.begin(), events.end());
    return runProgram(desktop_, font_, {{pictures()}, scale});
  }

  ScriptedDesktop desktop_;
};

TEST_F(ProgramTest, ClosingTheStartScreenEndsWithoutAGame) {
  EXPECT_EQ(run({{Kind::kPointerMoved, 10, 10}, {Kind::kClose}}), 0);
  ASSERT_EQ(desktop_.opened.size(), 1u) << "no game window";
  const auto& form2 = desktop_.opened[0];
  EXPECT_EQ(form2.spec.caption, "Form2");
  EXPECT_EQ(form2.spec.width, 312);
  EXPECT_EQ(form2.spec.height, 213);
  EXPECT_FALSE(form2.spec.position.has_value()) << "the window system places it";
  EXPECT_FALSE(form2.spec.resizable);
  EXPECT_EQ(form2.icon.width(), 32);
  EXPECT_TRUE(form2.shown);
  ASSERT_FALSE(form2.presented.empty());
  EXPECT_EQ(form2.presented.front(), StartScreen(font_).picture());
}

TEST_F(ProgramTest, StartOpensTheGameWhichPlaysUntilEscape) {
  EXPECT_EQ(run({keyDown(13), keyDown(38), keyDown(38), keyDown(27)}), 0);
  ASSERT_EQ(desktop_.opened.size(), 2u);
  const auto& form2 = desktop_.opened[0];
  const auto& form1 = desktop_.opened[1];
  EXPECT_FALSE(form2.shown) << "hidden by the game's start-up";
  EXPECT_EQ(form1.spec.caption, "Find Quib, please");
  EXPECT_EQ(form1.spec.width, 840);
  EXPECT_EQ(form1.spec.height, 553);
  EXPECT_EQ(form1.spec.position, (Point{198, 93}));
  EXPECT_TRUE(form1.spec.resizable);
  EXPECT_EQ(form1.icon, form2.icon) << "both windows carry the icon";
  EXPECT_TRUE(form1.shown);
  ASSERT_EQ(form1.presented.size(), 4u) << "start-up, two steps, and Escape's code";
  // Before the first key: only the backdrop, on the window's own colour.
  const Image& first = form1.presented[0];
  EXPECT_EQ(first.at(600, 400), WindowSurface::kBackColour) << "no plan yet";
  EXPECT_NE(first.at(276, 276), WindowSurface::kBackColour) << "the backdrop";
  EXPECT_NE(form1.presented[1], form1.presented[2]) << "each key shows a new frame";
  EXPECT_EQ(desktop_.sounds, std::vector<std::string>{"tada.wav"});
}

TEST_F(ProgramTest, KeysReachTheGameWhicheverSurfaceIsShown) {
  // Space changes nothing in the world, so every frame shows the same view from the other
  // surface in turn: they must all look alike.
  EXPECT_EQ(run({keyDown(32),
                 {Kind::kKeyUp, 0, 0, 32},
                 keyDown(32),
                 keyDown(32),
                 keyDown(32),
                 {Kind::kClose}}),
            0);
  ASSERT_EQ(desktop_.opened.size(), 2u) << "Space pressed Start once released";
  const auto& presented = desktop_.opened[1].presented;
  ASSERT_EQ(presented.size(), 4u);
  EXPECT_EQ(presented[1], presented[2]);
  EXPECT_EQ(presented[2], presented[3]);
  EXPECT_TRUE(desktop_.sounds.empty()) << "closing the window plays nothing";
}

TEST_F(ProgramTest, TooltipComesUpWhileTheProgramWaits) {
  EXPECT_EQ(run({{Kind::kPointerMoved, 150, 185}, {Kind::kTimeout}, {Kind::kClose}}), 0);
  EXPECT_EQ(desktop_.clock, 1500u) << "the wait ran to the tooltip's time";
  const auto& presented = desktop_.opened[0].presented;
  ASSERT_EQ(presented.size(), 3u);
  EXPECT_NE(presented[2], presented[1]) << "the tooltip shows";
}

TEST_F(ProgramTest, ScaleOpensTheWindowLarger) {
  EXPECT_EQ(run({keyDown(13), {Kind::kClose}}, 2), 0);
  ASSERT_EQ(desktop_.opened.size(), 2u);
  EXPECT_EQ(desktop_.opened[0].spec.width, 624) << "the start screen takes the scale too";
  EXPECT_EQ(desktop_.opened[1].spec.width, 1680);
  EXPECT_EQ(desktop_.opened[1].spec.height, 1106);
  EXPECT_EQ(desktop_.opened[1].spec.minimum, (Size{840, 553})) << "never smaller than 1x";
  EXPECT_EQ(desktop_.opened[1].presented[0].width(), 840) << "the client area stays at 1x";
}

TEST_F(ProgramTest, ScaleIsClampedToTheScreenAndSaidOnce) {
  const struct {
    const char* what;
    int asked;
    Rect screen;
    Size startScreen;
    Rect gameWindow;
    const char* said;
  } cases[] = {
      {"full HD, 2x",
       2,
       {0, 0, 1920, 1080},
       {312, 213},
       {198, 93, 840, 553},
       "quib: --scale 2 does not fit this screen; using 1\n"},
      {"full HD, 8x",
       8,
       {0, 0, 1920, 1080},
       {312, 213},
       {198, 93, 840, 553},
       "quib: --scale 8 does not fit this screen; using 1\n"},
      {"4K, 4x",
       4,
       {0, 0, 3840, 2160},
       {936, 639},
       {198, 93, 2520, 1659},
       "quib: --scale 4 does not fit this screen; using 3\n"},
      {"4K, 3x", 3, {0, 0, 3840, 2160}, {936, 639}, {198, 93, 2520, 1659}, ""},
      {"1920 x 1200 less a panel: 2x moved up onto the screen",
       2,
       {0, 32, 1920, 1140},
       {624, 426},
       {198, 66, 1680, 1106},
       ""},
  };
  for (const auto& c : cases) {
    desktop_ = ScriptedDesktop();
    desktop_.screen = c.screen;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run({keyDown(13), {Kind::kClose}}, c.asked), 0) << c.what;
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.said) << c.what;
    ASSERT_EQ(desktop_.opened.size(), 2u) << c.what;
    const WindowSpec& form2 = desktop_.opened[0].spec;
    const WindowSpec& form1 = desktop_.opened[1].spec;
    EXPECT_EQ((Size{form2.width, form2.height}), c.startScreen) << c.what;
    EXPECT_EQ((Rect{form1.position->x, form1.position->y, form1.width, form1.height}), c.gameWindow)
        << c.what;
  }
}

TEST_F(ProgramTest, ABurstOfKeysIsHandledWholeAndShownAtItsEnd) {
  const auto waiting = [](std::int16_t code) {
    ScriptedDesktop::Step step(keyDown(code));
    step.waiting = true;
    return step;
  };
  const std::string recorded = (root_ / "record.txt").string();
  KeyRecord record(recorded);
  desktop_.script = {keyDown(13),  keyDown(38), waiting(100),
                     waiting(104), waiting(39), DesktopEvent{Kind::kClose}};
  EXPECT_EQ(runProgram(desktop_, font_, {{pictures()}, 1, &record}), 0);
  record.finish();
  std::ifstream in(recorded);
  std::string keys;
  for (std::string line; std::getline(in, line);) {
    keys += line + ",";
  }
  EXPECT_EQ(keys, "38,100,104,39,") << "every key handled";
  const auto& form1 = desktop_.opened.at(1);
  ASSERT_EQ(form1.presented.size(), 2u) << "start-up, and the burst's last picture";
  GameWindow game(font_);
  game.Form_Load({pictures()});
  for (const std::int16_t key : {38, 100, 104, 39}) {
    game.keyDown(key);
  }
  EXPECT_EQ(form1.presented[1], game.clientArea()) << "the picture after the last key";
  EXPECT_EQ(form1.changed[0], (std::vector<Rect>{{0, 0, 840, 553}})) << "at first, whole";
  EXPECT_FALSE(form1.changed[1].empty());
}

TEST_F(ProgramTest, AnUncoveredWindowIsDrawnWhole) {
  EXPECT_EQ(run({keyDown(13), keyDown(38), {Kind::kExposed}, keyDown(38), {Kind::kClose}}), 0);
  const auto& form1 = desktop_.opened.at(1);
  ASSERT_EQ(form1.changed.size(), 4u) << "start-up, a key, uncovered, a key";
  const std::vector<Rect> whole{{0, 0, 840, 553}};
  EXPECT_NE(form1.changed[1], whole) << "a key: its changes";
  EXPECT_EQ(form1.changed[2], whole) << "uncovered";
  EXPECT_NE(form1.changed[3], whole);
}

TEST_F(ProgramTest, AGamepadPlaysTheWholeGame) {
  const auto pad = [](PadButton button) {
    DesktopEvent event{Kind::kPadDown};
    event.pad = button;
    return event;
  };
  const std::string recorded = (root_ / "record.txt").string();
  KeyRecord record(recorded);
  desktop_.script = {pad(PadButton::kA), pad(PadButton::kUp),           pad(PadButton::kY),
                     pad(PadButton::kB), pad(PadButton::kLeftShoulder), pad(PadButton::kBack)};
  EXPECT_EQ(runProgram(desktop_, font_, {{pictures()}, 1, &record}), 0);
  ASSERT_EQ(desktop_.opened.size(), 2u) << "A pressed Start";
  EXPECT_EQ(desktop_.opened[1].presented.size(), 5u) << "start-up and four buttons with keys";
  EXPECT_EQ(desktop_.sounds, std::vector<std::string>{"tada.wav"}) << "Back ends like Escape";
  record.finish();
  std::ifstream in(recorded);
  std::string keys;
  for (std::string line; std::getline(in, line);) {
    keys += line + ",";
  }
  EXPECT_EQ(keys, "38,104,100,27,") << "each key recorded as it was handled";
}

TEST_F(ProgramTest, FailedStartUpLeavesNoWindow) {
  fs::remove(root_ / "x" / "door.bmp");
  desktop_.script = {keyDown(13)};
  try {
    runProgram(desktop_, font_, {{pictures()}, 1});
    ADD_FAILURE() << "started without door.bmp";
  } catch (const Failure& failure) {
    EXPECT_EQ(std::string(failure.what()), "cannot load picture " +
                                               (root_ / "x" / "door.bmp").string() +
                                               ": No such file or directory");
  }
  ASSERT_EQ(desktop_.opened.size(), 1u) << "no game window";
  EXPECT_FALSE(desktop_.opened[0].shown) << "the start screen was hidden first";
}

}  // namespace
}  // namespace quib
