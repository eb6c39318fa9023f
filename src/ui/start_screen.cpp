// The start screen's input and look: everything goes to Command1, the only control.
#include "ui/start_screen.hpp"

#include "ui/layouts.hpp"
#include "ui/quib_picture.hpp"
#include "world/key_codes.hpp"

namespace quib {

StartScreen::StartScreen(const TextRenderer& font)
    : font_(font),
      image1_(drawQuibPicture(form2::kImage1.w, form2::kImage1.h)),
      command1_(form2::kCommand1, form2::kCommand1Caption),
      tooltip_(form2::kCommand1Tooltip) {}

void StartScreen::pointerAt(int x, int y, std::uint64_t now) {
  command1_.pointerMoved(x, y);
  if (command1_.bounds().contains(x, y)) {
    tooltip_.pointerOver(x, y, now);
  } else {
    tooltip_.pointerAway();
  }
}

bool StartScreen::handle(const DesktopEvent& event, std::uint64_t now) {
  using Kind = DesktopEvent::Kind;
  // A push button answers the primary button alone.
  if ((event.kind == Kind::kPointerDown || event.kind == Kind::kPointerUp) &&
      event.button != PointerButton::kPrimary) {
    return false;
  }
  switch (event.kind) {
    case Kind::kPointerMoved:
      pointerAt(event.x, event.y, now);
      return false;
    case Kind::kPointerLeft:
      command1_.pointerLeft();
      tooltip_.pointerAway();
      return false;
    case Kind::kPointerDown:
      if (command1_.bounds().contains(event.x, event.y)) {
        tooltip_.dismiss();
      }
      return command1_.pointerDown(event.x, event.y);
    case Kind::kPointerUp:
      return command1_.pointerUp(event.x, event.y);
    case Kind::kKeyDown:
      tooltip_.dismiss();
      return command1_.keyDown(event.keyCode);
    case Kind::kKeyUp:
      return command1_.keyUp(event.keyCode);
    case Kind::kPadDown:
      // A game controller's A presses the button, as Enter does.
      tooltip_.dismiss();
      return event.pad == PadButton::kA && command1_.keyDown(vk::kReturn);
    default:
      return false;
  }
}

Image StartScreen::picture() const {
  Image client(form2::kClient.width, form2::kClient.height, kBackColour);
  client.blit(image1_, form2::kImage1.x, form2::kImage1.y);
  command1_.draw(client, font_);
  tooltip_.draw(client, font_);
  return client;
}

}  // namespace quib
