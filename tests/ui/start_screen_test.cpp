// The start screen: its stored layout, the three ways to press "Start", the tooltip's timing.
#include "ui/start_screen.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.hpp"
#include "ui/layouts.hpp"
#include "ui/quib_picture.hpp"

namespace quib {
namespace {

using Kind = DesktopEvent::Kind;

DesktopEvent pointer(Kind kind, int x, int y) {
  return {kind, x, y, 0};
}
DesktopEvent key(Kind kind, std::int16_t code) {
  return {kind, 0, 0, code};
}

TEST(StartScreen, StoredLayoutInPixels) {
  EXPECT_EQ(form2::kClient, (Size{312, 213}));
  EXPECT_EQ(form2::kImage1, (Rect{80, 16, 144, 112}));
  EXPECT_EQ(form2::kCommand1, (Rect{104, 168, 97, 33}));
  EXPECT_EQ(form1::kPosition, (Point{198, 93}));

  const Font font;
  const Image picture = StartScreen(font).picture();
  ASSERT_EQ(picture.width(), 312);
  ASSERT_EQ(picture.height(), 213);
  const Image image1 = drawQuibPicture(144, 112);
  for (int y = 0; y < 112; ++y) {
    for (int x = 0; x < 144; ++x) {
      ASSERT_EQ(picture.at(80 + x, 16 + y), image1.at(x, y)) << "Image1 at " << x << "," << y;
    }
  }
  EXPECT_EQ(picture.at(79, 16), StartScreen::kBackColour);
  EXPECT_EQ(picture.at(104, 168), rgb(0, 0, 0)) << "the focused button's frame";
}

TEST(StartScreen, PictureOfTheDescribedKind) {
  // The icon: a green square in the middle, a yellow figure on it, bands round about.
  const Image icon = drawQuibPicture(32, 32);
  EXPECT_EQ(icon.at(12, 19), rgb(0, 128, 0)) << "green square";
  EXPECT_EQ(icon.at(16, 13), rgb(255, 255, 0)) << "the figure's head";
  EXPECT_EQ(icon.at(16, 1), rgb(255, 0, 0)) << "outer red band";
  EXPECT_EQ(icon.at(16, 25), rgb(128, 128, 128)) << "grey band";
  EXPECT_EQ(icon.at(22, 7), rgb(0, 255, 255)) << "the arrow";
}

TEST(StartScreen, StartIsPressedByClickEnterOrSpace) {
  const std::int16_t kEnter = 13;
  const std::int16_t kSpace = 32;
  const struct {
    const char* what;
    std::vector<DesktopEvent> events;
    int clickAt;  // index of the event that presses "Start", -1 for none
  } cases[] = {
      {"click", {pointer(Kind::kPointerDown, 150, 185), pointer(Kind::kPointerUp, 150, 185)}, 1},
      {"pressed, dragged off, released outside",
       {pointer(Kind::kPointerDown, 150, 185), pointer(Kind::kPointerMoved, 20, 20),
        pointer(Kind::kPointerUp, 20, 20)},
       -1},
      {"dragged off and back",
       {pointer(Kind::kPointerDown, 150, 185), pointer(Kind::kPointerMoved, 20, 20),
        pointer(Kind::kPointerUp, 110, 170)},
       2},
      {"pressed outside, released on it",
       {pointer(Kind::kPointerDown, 20, 20), pointer(Kind::kPointerUp, 150, 185)},
       -1},
      {"the button's corners",
       {pointer(Kind::kPointerDown, 104, 168), pointer(Kind::kPointerUp, 200, 200)},
       1},
      {"just outside",
       {pointer(Kind::kPointerDown, 201, 185), pointer(Kind::kPointerUp, 201, 185)},
       -1},
      {"Enter", {key(Kind::kKeyDown, kEnter)}, 0},
      {"Space, on release", {key(Kind::kKeyDown, kSpace), key(Kind::kKeyUp, kSpace)}, 1},
      {"a Space release alone", {key(Kind::kKeyUp, kSpace)}, -1},
      {"another key", {key(Kind::kKeyDown, 65), key(Kind::kKeyUp, 65)}, -1},
  };
  const Font font;
  for (const auto& c : cases) {
    StartScreen screen(font);
    int clicked = -1;
    for (std::size_t k = 0; k < c.events.size() && clicked < 0; ++k) {
      if (screen.handle(c.events[k], 0)) {
        clicked = static_cast<int>(k);
      }
    }
    EXPECT_EQ(clicked, c.clickAt) << c.what;
  }
}

TEST(StartScreen, ButtonLooksPressedWhileHeld) {
  const Font font;
  StartScreen screen(font);
  const Image up = screen.picture();
  screen.handle(pointer(Kind::kPointerDown, 150, 185), 0);
  EXPECT_TRUE(screen.Command1().pressed());
  const Image down = screen.picture();
  EXPECT_NE(down, up);
  EXPECT_EQ(down.at(105, 169), rgb(128, 128, 128)) << "sunk: a shadow inside the frame";
  EXPECT_EQ(up.at(105, 169), rgb(255, 255, 255)) << "raised: a highlight there";
  screen.handle(pointer(Kind::kPointerMoved, 20, 20), 0);
  EXPECT_FALSE(screen.Command1().pressed()) << "raised again while the pointer is off it";
  EXPECT_EQ(screen.picture(), up);
  screen.handle(key(Kind::kKeyDown, 32), 0);
  EXPECT_TRUE(screen.Command1().pressed()) << "held by Space";
}

TEST(StartScreen, TooltipAfterHalfASecondOfRest) {
  const Font font;
  StartScreen screen(font);
  const Image plain = screen.picture();

  screen.handle(pointer(Kind::kPointerMoved, 150, 185), 1000);
  EXPECT_EQ(screen.due(), 1500u);
  screen.handle(pointer(Kind::kPointerMoved, 152, 186), 1200);
  EXPECT_EQ(screen.due(), 1700u) << "a move starts the rest afresh";
  EXPECT_FALSE(screen.tick(1699));
  EXPECT_FALSE(screen.tooltip().shown());
  EXPECT_TRUE(screen.tick(1700));
  EXPECT_TRUE(screen.tooltip().shown());
  const Image tipped = screen.picture();
  int tipPixels = 0;
  for (int y = 0; y < tipped.height(); ++y) {
    for (int x = 0; x < tipped.width(); ++x) {
      tipPixels += tipped.at(x, y) == rgb(255, 255, 225) ? 1 : 0;
    }
  }
  EXPECT_GT(tipPixels, 500) << "the tip's box, inside the window";

  screen.handle(pointer(Kind::kPointerMoved, 160, 190), 1800);
  EXPECT_TRUE(screen.tooltip().shown()) << "moving on the button keeps it";
  EXPECT_EQ(screen.picture(), tipped) << "where it came up";
  screen.handle(pointer(Kind::kPointerMoved, 20, 20), 1900);
  EXPECT_FALSE(screen.tooltip().shown()) << "gone once the pointer leaves the button";
  EXPECT_FALSE(screen.due().has_value());
  EXPECT_EQ(screen.picture(), plain);

  screen.handle(pointer(Kind::kPointerMoved, 150, 185), 2000);
  screen.handle({Kind::kPointerLeft}, 2100);
  EXPECT_FALSE(screen.tick(2600)) << "the pointer left the window before its time";

  screen.handle(pointer(Kind::kPointerMoved, 150, 185), 3000);
  screen.handle(pointer(Kind::kPointerDown, 150, 185), 3100);
  EXPECT_FALSE(screen.tick(4000)) << "a press sends the tip away";
}

}  // namespace
}  // namespace quib
