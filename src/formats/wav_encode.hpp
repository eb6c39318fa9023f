// Writing WAV files: the one kind the game's own chime needs.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quib {

// Mono 16-bit PCM samples at `rate` a second as a whole WAV file: the RIFF header, the format
// chunk and the data chunk.
std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples, int rate);

}  // namespace quib
