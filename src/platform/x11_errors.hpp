// X protocol errors that must not end the game.
#pragma once

namespace quib {

// On X, SDL wakes a waiting event loop by sending an event to the window over a second
// connection to the display. The server may take that connection's request after the
// window's own connection has destroyed the window, as closing a window does: the send then
// fails with BadWindow, the error is read when SDL closes the connection, and Xlib's default
// handler ends the program with status 1 and an "X Error" line. Such a failed send is
// harmless (there is nothing left to wake) and is ignored; every other error goes to Xlib's
// default handler as before. Call before the video subsystem starts: SDL lays its own
// handler over this one and puts this one back when it stops, before it closes the
// connections. Without X nothing calls the handler.
void forgiveSendsToClosedWindows();

}  // namespace quib
