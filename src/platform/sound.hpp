// Playing a sound file to its end, as Escape does before the game ends.
#pragma once

#include <string>

namespace quib {

// Plays the WAV file, at most its first 10 s, and returns when it has been heard, or at once
// when the window's close control (or the end of the session) is asked for meanwhile. A file at
// a rate no device takes plays converted; one that cannot be played (missing, no WAV, an
// encoding the game does not play, more channels than a device takes, no sound in it, no device
// opens for it) is replaced by a short built-in chime. Either says so in one note on stderr naming
// the file; without an audio device nothing is played and one note says so. Never waits longer than
// the sound plus a second.
void playSoundToEnd(const std::string& path);

}  // namespace quib
