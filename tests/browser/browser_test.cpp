// The browser's desktop-neutral part against the desktop's: keys, texts, pads and pixels.
#include <gtest/gtest.h>

#include <string>

#include "browser/dom_keys.hpp"
#include "browser/dom_pads.hpp"
#include "browser/glyph_table.hpp"
#include "browser/rgba_pixels.hpp"
#include "platform/keys.hpp"
#include "platform/text.hpp"
#include "ui/edit_strip.hpp"
#include "ui/layouts.hpp"

namespace quib {
namespace {

TEST(DomKeys, KeyboardEventsGiveTheDesktopsCodes) {
  const struct {
    const char* code;
    const char* key;
    bool numLock;
    int vk;
    const char* why;
  } cases[] = {
      {"ArrowUp", "ArrowUp", false, 38, "an arrow"},
      {"Escape", "Escape", true, 27, "Escape"},
      {"Space", " ", false, 32, "Space"},
      {"Numpad4", "4", true, 100, "keypad 4 typing its digit turns"},
      {"Numpad4", "ArrowLeft", true, 37, "keypad 4 typing Left steps, whatever the state says"},
      {"Numpad8", "Unidentified", true, 104, "typing nothing named: the Num Lock state decides"},
      {"Numpad8", "Unidentified", false, 38, "and with it off, Up"},
      {"Numpad5", "Clear", false, 12, "keypad 5 without Num Lock is Clear"},
      {"NumpadDecimal", ",", true, 110, "a decimal comma is the keypad's separator"},
      {"NumpadEnter", "Enter", false, 13, "the keypad's Enter"},
      {"KeyQ", "q", false, 100, "Q turns left"},
      {"KeyE", "E", true, 102, "E turns right, shifted or not"},
      {"KeyR", "r", false, 104, "R raises the eye"},
      {"KeyF", "f", false, 98, "F lowers it"},
      {"KeyQ", "a", false, 65, "on AZERTY the key in Q's place types A, and is A"},
      {"KeyA", "q", false, 100, "and the key that types Q is Q"},
      {"KeyQ", "\xd0\xb9", false, 100, "a key typing no Latin letter goes by its place"},
      {"KeyW", "w", false, 87, "other letters are themselves"},
      {"Digit7", "7", false, 55, "a digit"},
      {"F11", "F11", false, 122, "a function key"},
      {"Semicolon", ";", false, 186, "punctuation"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(virtualKeyOfDom(c.code, c.key, c.numLock), std::optional<std::int16_t>(c.vk))
        << c.code << " typing \"" << c.key << "\": " << c.why;
  }
  for (const char* code : {"F13", "F", "Digit", "Digit12", "Lang1", "", "KeyQQ"}) {
    EXPECT_FALSE(virtualKeyOfDom(code, "Unidentified", false).has_value()) << code;
  }
}

TEST(DomKeys, EveryLetterAsTheDesktopSendsIt) {
  // The desktop's keycode for a letter is the letter in lower case, with or without Shift.
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const std::string code = std::string("Key") + static_cast<char>(letter - 'a' + 'A');
    EXPECT_EQ(virtualKeyOfDom(code, std::string(1, letter), false), virtualKey(letter, 0)) << code;
  }
}

TEST(GlyphTable, TheBrowsersTextsAreTheDesktopFontsPixels) {
  const Font font;
  const GlyphTable table;
  EXPECT_EQ(table.lineHeight(), font.lineHeight());
  std::vector<std::string> texts = {form2::kCommand1Caption, form2::kCommand1Tooltip};
  for (const int code : {1, 8, 27, 38, 100, 104, 254}) {
    texts.push_back(" " + std::to_string(code));  // as the game window prints a key code
  }
  for (const std::string& text : editStripTexts()) {
    texts.push_back(text);  // the editor's strip
  }
  for (const std::string& text : texts) {
    ASSERT_TRUE(table.holds(text)) << "\"" << text << "\" is missing from the table";
    const GlyphStrip want = font.render(text);
    const GlyphStrip got = table.render(text);
    EXPECT_EQ(got.width, want.width) << text;
    EXPECT_EQ(got.height, want.height) << text;
    EXPECT_EQ(got.coverage, want.coverage) << "\"" << text << "\" differs from the font's";
  }
  EXPECT_EQ(table.render("not a text the game shows").width, 0);
}

TEST(DomPads, TheStandardMappingsButtons) {
  EXPECT_EQ(padButtonOfStandard(0), PadButton::kA) << "the bottom face button";
  EXPECT_EQ(padButtonOfStandard(9), PadButton::kStart);
  EXPECT_EQ(padButtonOfStandard(12), PadButton::kUp) << "the d-pad";
  EXPECT_EQ(padButtonOfStandard(15), PadButton::kRight);
  for (const int unused : {6, 7, 10, 11, 16, -1, 99}) {
    EXPECT_FALSE(padButtonOfStandard(unused).has_value()) << "button " << unused;
  }
}

TEST(RgbaPixels, RowByRowOpaque) {
  Image picture(2, 2, rgb(0, 0, 0));
  picture.set(1, 0, rgb(10, 20, 30));
  picture.set(0, 1, rgb(40, 50, 60));
  const std::vector<std::uint8_t> want = {0,  0,  0,  255, 10, 20, 30, 255,
                                          40, 50, 60, 255, 0,  0,  0,  255};
  EXPECT_EQ(rgbaPixels(picture), want);
}

}  // namespace
}  // namespace quib
