// The X error handler beneath SDL's.
#include "platform/x11_errors.hpp"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace quib {
namespace {

XErrorHandler previous = nullptr;

int handle(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) {
    return 0;
  }
  return previous != nullptr ? previous(display, error) : 0;
}

}  // namespace

void forgiveSendsToClosedWindows() {
  // Laid over itself, as a second desktop would, the handler would call itself for ever.
  const XErrorHandler replaced = XSetErrorHandler(handle);
  if (replaced != handle) {
    previous = replaced;
  }
}

}  // namespace quib
