// late_send: with the game's desktop open, sends events to a window that no longer exists
// over a connection of its own, as SDL's wake-up of a closed window's event loop may reach
// the server late: one failure read while the desktop is open, one read only after it has
// closed, as SDL reads its own when it closes its connections. Prints "alive" and ends with
// 0 if the game would go on; Xlib's default handler would end it with 1.
#include <X11/Xlib.h>

#include <cstdio>

#include "platform/desktop.hpp"

namespace {

void sendToClosedWindow(Display* display) {
  const Window gone = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XDestroyWindow(display, gone);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = gone;
  event.xclient.format = 32;
  XSendEvent(display, gone, False, NoEventMask, &event);
}

}  // namespace

int main() {
  auto desktop = quib::openDesktop();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "late_send: no display\n");
    return 2;
  }
  sendToClosedWindow(display);
  XSync(display, False);
  sendToClosedWindow(display);
  XFlush(display);
  desktop.reset();
  XCloseDisplay(display);
  std::printf("alive\n");
  return 0;
}
