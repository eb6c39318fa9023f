// The "ta-da" chime, synthesised: a short lead note, then a ringing major chord.
#pragma once

#include <cstdint>
#include <vector>

namespace quib {

inline constexpr int kChimeRate = 22050;  // samples a second, mono

// `scale` stretches the whole chime: 1 for the shipped tada.wav, less for the stand-in
// played when that file is missing.
std::vector<std::int16_t> synthesizeChime(int sampleRate, double scale);

}  // namespace quib
