// A sound as Web Audio takes it: 32-bit floats from -1 to 1, one channel after another.
#pragma once

#include <vector>

#include "formats/wav_file.hpp"

namespace quib {

struct PlanarSound {
  int rate = 0;
  int channels = 0;
  int frames = 0;
  std::vector<float> samples;  // channels * frames: the first channel's frames, then the next's
};

// The WAV file's frames, each channel apart and every encoding scaled to -1 to 1.
PlanarSound planarSound(const WavSound& sound);

}  // namespace quib
