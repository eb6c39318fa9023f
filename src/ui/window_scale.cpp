// Whole scales that fit the screen, said once when less than asked.
#include "ui/window_scale.hpp"

#include <algorithm>
#include <string>

#include "canvas/fit.hpp"
#include "control/keys_dispatch.hpp"
#include "formats/message.hpp"

namespace quib {

WindowScale::WindowScale(const Desktop& desktop, int asked)
    : desktop_(desktop), asked_(std::max(1, asked)) {}

int WindowScale::of(Size client) {
  const std::optional<Rect> room = desktop_.usableArea();
  if (!room) {
    return asked_;
  }
  const int scale = fittingScale(asked_, client, {room->w, room->h});
  if (scale < asked_ && scale != said_) {
    sayLine("quib", "--scale " + std::to_string(asked_) + " does not fit this screen; using " +
                        std::to_string(scale));
    said_ = scale;
  }
  return scale;
}

Point WindowScale::place(Point wanted, Size size) const {
  const std::optional<Rect> room = desktop_.usableArea();
  return room ? placeWithin(wanted, size, *room) : wanted;
}

std::optional<std::int16_t> keyOf(const DesktopEvent& event) {
  if (event.kind == DesktopEvent::Kind::kKeyDown) {
    return event.keyCode;
  }
  if (event.kind == DesktopEvent::Kind::kPadDown) {
    return keyOfPadButton(event.pad);
  }
  return std::nullopt;
}

}  // namespace quib
