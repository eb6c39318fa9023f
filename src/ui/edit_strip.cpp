// The strip's layout and look: swatches of the codes as the plan and the view show them, a line
// of text and the buttons that answer it.
#include "ui/edit_strip.hpp"

#include <string>

#include "canvas/raster.hpp"
#include "canvas/window_surface.hpp"
#include "world/key_codes.hpp"
#include "world/level_codes.hpp"

namespace quib {
namespace {

constexpr int kSwatchSide = 28;
constexpr int kSwatchPitch = 32;
constexpr int kSwatchTop = 4;
constexpr int kBorder = 2;
constexpr int kLabelTop = kSwatchTop + kSwatchSide + 2;
constexpr int kTextLeft = kViewLeft;
constexpr int kTextTop = 10;
constexpr Rect kButton{0, 4, 72, 28};
constexpr int kButtonGap = 8;
constexpr Rgb kEmptyBorder = rgb(128, 128, 128);
constexpr Rgb kChosenMark = rgb(0, 0, 0);

constexpr const char* kSavedText = "Saved";
constexpr const char* kNotSavedText = "Not saved";
constexpr const char* kAskSaveText = "Save the changes?";
constexpr const char* kNothingText = "Nothing can be drawn at this extent.";

std::string labelOf(int code) {
  const CodeMeaning* meaning = meaningOf(code);
  return std::to_string(code) + " " + (meaning != nullptr ? meaning->name : "empty");
}

const char* textOf(StripLine line) {
  switch (line) {
    case StripLine::kSaved:
      return kSavedText;
    case StripLine::kNotSaved:
      return kNotSavedText;
    case StripLine::kAskSave:
      return kAskSaveText;
    case StripLine::kNothingToDraw:
      return kNothingText;
    case StripLine::kNone:
      break;
  }
  return "";
}

// The n-th button after the text, counting from 0.
Rect buttonAfter(const TextRenderer& font, const char* text, int n) {
  const int left = kTextLeft + font.render(text).width + 2 * kButtonGap;
  return {left + n * (kButton.w + kButtonGap), kButton.y, kButton.w, kButton.h};
}

}  // namespace

EditStrip::EditStrip(const TextRenderer& font, const ImageHolders& faces, int width,
                     int paletteLeft)
    : font_(font),
      faces_(faces),
      paletteLeft_(paletteLeft),
      save_(buttonAfter(font, kAskSaveText, 0), "Save"),
      discard_(buttonAfter(font, kAskSaveText, 1), "Discard"),
      cancel_(buttonAfter(font, kAskSaveText, 2), "Cancel"),
      newLevel_(buttonAfter(font, kNothingText, 0), "New 10"),
      picture_(width, kHeight, WindowSurface::kBackColour) {}

void EditStrip::choose(std::int32_t code) {
  stale_ = stale_ || code != chosen_;
  chosen_ = code;
}

void EditStrip::say(StripLine line) {
  stale_ = stale_ || line != line_;
  line_ = line;
}

Rect EditStrip::swatch(int code) const {
  return {paletteLeft_ + code * kSwatchPitch, kSwatchTop, kSwatchSide, kSwatchSide};
}

std::optional<std::int32_t> EditStrip::codeAt(int x, int y) const {
  for (int code = 0; code < kPaletteCodes; ++code) {
    if (swatch(code).contains(x, y)) {
      return code;
    }
  }
  return std::nullopt;
}

std::vector<std::pair<PushButton*, StripAnswer>> EditStrip::buttons() {
  if (line_ == StripLine::kAskSave) {
    return {{&save_, StripAnswer::kSave},
            {&discard_, StripAnswer::kDiscard},
            {&cancel_, StripAnswer::kCancel}};
  }
  if (line_ == StripLine::kNothingToDraw) {
    return {{&newLevel_, StripAnswer::kNewLevel}};
  }
  return {};
}

void EditStrip::pointerDown(int x, int y) {
  for (const auto& button : buttons()) {
    button.first->pointerDown(x, y);
  }
  stale_ = true;
}

StripAnswer EditStrip::pointerUp(int x, int y) {
  StripAnswer clicked = StripAnswer::kNone;
  stale_ = true;
  for (const auto& [button, answer] : buttons()) {
    if (button->pointerUp(x, y)) {
      clicked = answer;
    }
  }
  return clicked;
}

StripAnswer EditStrip::keyDown(std::int16_t keyCode) const {
  if (line_ == StripLine::kAskSave) {
    switch (keyCode) {
      case vk::kReturn:
      case 'S':
        return StripAnswer::kSave;
      case 'D':
        return StripAnswer::kDiscard;
      case vk::kEscape:
      case 'C':
        return StripAnswer::kCancel;
      default:
        return StripAnswer::kNone;
    }
  }
  if (line_ == StripLine::kNothingToDraw && (keyCode == vk::kReturn || keyCode == 'N')) {
    return StripAnswer::kNewLevel;
  }
  return StripAnswer::kNone;
}

const Image& EditStrip::picture(bool& changed) {
  changed = stale_;
  if (stale_) {
    draw();
    stale_ = false;
  }
  return picture_;
}

void EditStrip::draw() {
  fillRect(picture_, {0, 0, picture_.width(), picture_.height()}, WindowSurface::kBackColour);
  for (int code = 0; code < kPaletteCodes; ++code) {
    drawSwatch(code, swatch(code));
  }
  const Rect chosen = swatch(chosen_);
  const Rect mark{chosen.x - 2, chosen.y - 2, chosen.w + 4, chosen.h + 4};
  outlinePixelBox(picture_, {mark.x, mark.y, mark.x + mark.w - 1, mark.y + mark.h - 1},
                  kChosenMark);
  drawGlyphs(picture_, paletteLeft_, kLabelTop, font_.render(labelOf(chosen_)),
             WindowSurface::kTextColour);
  if (line_ != StripLine::kNone) {
    drawGlyphs(picture_, kTextLeft, kTextTop, font_.render(textOf(line_)),
               WindowSurface::kTextColour);
  }
  for (const auto& button : buttons()) {
    button.first->draw(picture_, font_);
  }
}

// The code as the plan draws it, in its colour; a code with a face shows its picture inside.
void EditStrip::drawSwatch(int code, const Rect& box) {
  const CodeMeaning* meaning = meaningOf(code);
  const Rgb colour = meaning != nullptr ? meaning->planColour : kEmptyBorder;
  fillRect(picture_, box, colour);
  const Rect inside{box.x + kBorder, box.y + kBorder, box.w - 2 * kBorder, box.h - 2 * kBorder};
  fillRect(picture_, inside, WindowSurface::kBackColour);
  if (meaning == nullptr) {
    return;
  }
  const auto centre = static_cast<float>(box.x) + static_cast<float>(box.w) / 2.0f;
  const auto middle = static_cast<float>(box.y) + static_cast<float>(box.h) / 2.0f;
  const float half = static_cast<float>(inside.w) / 2.0f;
  if (meaning->face != Face::kNone) {
    stretchPaint(picture_, faces_.of(meaning->face).image, static_cast<float>(inside.x),
                 static_cast<float>(inside.y), static_cast<float>(inside.w),
                 static_cast<float>(inside.h));
  } else if (meaning->plan == PlanShape::kMarker) {
    const float e = half * 2.0f / meaning->markerDivisor;
    fillBox(picture_, centre - e, middle - e, centre + e, middle + e, colour);
  } else if (meaning->plan == PlanShape::kFrame) {
    const float e = half / 2.0f;
    outlineBox(picture_, centre - e, middle - e, centre + e, middle + e, colour);
  }
}

std::vector<std::string> editStripTexts() {
  std::vector<std::string> texts = {kSavedText, kNotSavedText, kAskSaveText, kNothingText,
                                    "Save",     "Discard",     "Cancel",     "New 10"};
  for (int code = 0; code < kPaletteCodes; ++code) {
    texts.push_back(labelOf(code));
  }
  return texts;
}

}  // namespace quib
