// The sound the game plays as it ends: a WAV file's first seconds, in a form any device takes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/wav_file.hpp"  // kLongestClipSeconds

namespace quib {

// Samples in memory, as SDL's audio formats lay them out.
struct Clip {
  int rate = 0;  // frames a second
  int channels = 0;
  std::uint16_t format = 0;  // an SDL_AudioFormat
  std::vector<std::uint8_t> bytes;

  int frameBytes() const;
  std::uint64_t lengthMs() const;
};

// The rates a device is opened at; a file outside them is converted to the nearer.
inline constexpr int kLowestRate = 8000;
inline constexpr int kHighestRate = 192000;

// A sound file read for playing: the clip, or why it cannot be played. `note` says how a clip
// was changed to be playable, if it was.
struct SoundFile {
  std::optional<Clip> clip;
  std::string reason;
  std::string note;
};

// Reads a WAV file (only a regular file; see formats/wav_file.hpp) and keeps its first
// kLongestClipSeconds; a rate outside kLowestRate to kHighestRate is converted to 16 bits, mono
// or stereo, at the nearest of them. Writes nothing on stderr: the caller gives the one note.
SoundFile readSoundFile(const std::string& path);

// The short chime played when the sound file cannot be.
Clip builtInChime();

}  // namespace quib
