// Playing a sound file to its end, as Escape does before the game ends.
#pragma once

#include <string>

namespace quib {

// Plays the WAV file and returns when it has been heard. A missing or unreadable file plays
// a short built-in chime instead; without an audio device nothing is played and one note
// goes to stderr. Never waits longer than the sound plus a second.
void playSoundToEnd(const std::string& path);

}  // namespace quib
