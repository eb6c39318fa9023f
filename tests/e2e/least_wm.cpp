// least_wm [--work-area X,Y,W,H]: the least window manager the end-to-end test needs under
// Xvfb: maps windows, keeps them no smaller than their minimum size, makes them full screen
// or maximised (to the work area) and back on request, and publishes the work area, as a
// desktop's panels would. Prints "ready" once it manages the screen.
// least_wm --ask WINDOW add|remove fullscreen|maximized: asks for that as a pager would.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

struct Atoms {
  explicit Atoms(Display* display)
      : state(XInternAtom(display, "_NET_WM_STATE", False)),
        fullscreen(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False)),
        maximizedVert(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False)),
        maximizedHorz(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False)),
        supported(XInternAtom(display, "_NET_SUPPORTED", False)),
        check(XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False)),
        workArea(XInternAtom(display, "_NET_WORKAREA", False)) {}
  Atom state, fullscreen, maximizedVert, maximizedHorz, supported, check, workArea;
};

bool anotherManager = false;
int noteOtherManager(Display* /*display*/, XErrorEvent* /*error*/) {
  anotherManager = true;
  return 0;
}
int ignoreErrors(Display* /*display*/, XErrorEvent* /*error*/) {
  return 0;
}

int ask(Display* display, Window window, bool add, const char* what) {
  const Atoms atoms(display);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = atoms.state;
  event.xclient.format = 32;
  event.xclient.data.l[0] = add ? 1 : 0;
  if (std::strcmp(what, "fullscreen") == 0) {
    event.xclient.data.l[1] = static_cast<long>(atoms.fullscreen);
  } else {
    event.xclient.data.l[1] = static_cast<long>(atoms.maximizedVert);
    event.xclient.data.l[2] = static_cast<long>(atoms.maximizedHorz);
  }
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XCloseDisplay(display);
  return 0;
}

struct Managed {
  int x = 0, y = 0;
  unsigned width = 0, height = 0;
  bool saved = false;  // the geometry before full screen or maximised
};

void setState(Display* display, const Atoms& atoms, Window window, const std::vector<Atom>& on) {
  XChangeProperty(display, window, atoms.state, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(on.data()), static_cast<int>(on.size()));
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "least_wm: no display\n");
    return 1;
  }
  if (argc == 5 && std::strcmp(argv[1], "--ask") == 0) {
    return ask(display, static_cast<Window>(std::strtoul(argv[2], nullptr, 0)),
               std::strcmp(argv[3], "add") == 0, argv[4]);
  }
  const Window root = DefaultRootWindow(display);
  const int screenWidth = DisplayWidth(display, DefaultScreen(display));
  const int screenHeight = DisplayHeight(display, DefaultScreen(display));
  long work[4] = {0, 0, screenWidth, screenHeight};
  if (argc == 3 && std::strcmp(argv[1], "--work-area") == 0) {
    std::sscanf(argv[2], "%ld,%ld,%ld,%ld", &work[0], &work[1], &work[2], &work[3]);
  } else if (argc != 1) {
    std::fprintf(stderr,
                 "usage: least_wm [--work-area X,Y,W,H]\n"
                 "       least_wm --ask WINDOW add|remove fullscreen|maximized\n");
    return 2;
  }
  XSetErrorHandler(noteOtherManager);
  XSelectInput(display, root, SubstructureRedirectMask | SubstructureNotifyMask);
  XSync(display, False);
  if (anotherManager) {
    std::fprintf(stderr, "least_wm: another window manager runs\n");
    return 1;
  }
  XSetErrorHandler(ignoreErrors);
  const Atoms atoms(display);
  const Window check = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
  XChangeProperty(display, root, atoms.check, XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&check), 1);
  XChangeProperty(display, check, atoms.check, XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&check), 1);
  const Atom supported[] = {atoms.state, atoms.fullscreen, atoms.maximizedVert, atoms.maximizedHorz,
                            atoms.workArea};
  XChangeProperty(display, root, atoms.supported, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(supported), 5);
  XChangeProperty(display, root, atoms.workArea, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(work), 4);
  XSync(display, False);
  std::printf("ready\n");
  std::fflush(stdout);

  std::map<Window, Managed> managed;
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapRequest) {
      XMapWindow(display, event.xmaprequest.window);
    } else if (event.type == ConfigureRequest) {
      const XConfigureRequestEvent& request = event.xconfigurerequest;
      XWindowChanges changes{};
      changes.x = request.x;
      changes.y = request.y;
      changes.width = request.width;
      changes.height = request.height;
      changes.border_width = request.border_width;
      changes.sibling = request.above;
      changes.stack_mode = request.detail;
      XSizeHints hints{};
      long given = 0;
      if (XGetWMNormalHints(display, request.window, &hints, &given) != 0 &&
          (hints.flags & PMinSize) != 0) {
        changes.width = std::max(changes.width, hints.min_width);
        changes.height = std::max(changes.height, hints.min_height);
      }
      XConfigureWindow(display, request.window, static_cast<unsigned>(request.value_mask),
                       &changes);
    } else if (event.type == ClientMessage && event.xclient.message_type == atoms.state) {
      const Window window = event.xclient.window;
      const long action = event.xclient.data.l[0];  // 0 remove, 1 add, 2 toggle
      const auto wanted = static_cast<Atom>(event.xclient.data.l[1]);
      if (wanted != atoms.fullscreen && wanted != atoms.maximizedVert &&
          wanted != atoms.maximizedHorz) {
        continue;
      }
      Managed& m = managed[window];
      const bool add = action == 1 || (action == 2 && !m.saved);
      if (add && !m.saved) {
        Window unused = 0;
        unsigned border = 0;
        unsigned depth = 0;
        XGetGeometry(display, window, &unused, &m.x, &m.y, &m.width, &m.height, &border, &depth);
        m.saved = true;
      }
      if (add && wanted == atoms.fullscreen) {
        XMoveResizeWindow(display, window, 0, 0, static_cast<unsigned>(screenWidth),
                          static_cast<unsigned>(screenHeight));
        setState(display, atoms, window, {atoms.fullscreen});
      } else if (add) {
        XMoveResizeWindow(display, window, static_cast<int>(work[0]), static_cast<int>(work[1]),
                          static_cast<unsigned>(work[2]), static_cast<unsigned>(work[3]));
        setState(display, atoms, window, {atoms.maximizedVert, atoms.maximizedHorz});
      } else if (m.saved) {
        XMoveResizeWindow(display, window, m.x, m.y, m.width, m.height);
        setState(display, atoms, window, {});
        m.saved = false;
      }
    }
  }
}
