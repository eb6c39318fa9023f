// Additive synthesis of the chime: sine partials under exponential decay envelopes.
#include "formats/chime.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quib {

namespace {

struct Note {
  double start, length, frequency, level;  // seconds, seconds, hertz, of full scale
};

// G5 for "ta", then C6-E6-G6 for "da".
constexpr Note kNotes[] = {
    {0.00, 0.16, 783.99, 0.45},
    {0.16, 0.90, 1046.50, 0.30},
    {0.16, 0.90, 1318.51, 0.22},
    {0.16, 0.90, 1567.98, 0.18},
};
constexpr double kLength = 1.06;          // seconds: the chord's end
constexpr double kAttack = 0.005;         // seconds to full level, so no note starts with a click
constexpr double kRelease = 0.02;         // seconds back to silence
constexpr double kDecay = 3.0;            // e-foldings over a note's length
constexpr double kSecondHarmonic = 0.25;  // a little brightness over the plain sine
constexpr double kPeak = 30000.0;         // of 32767: some room below clipping

}  // namespace

std::vector<std::int16_t> synthesizeChime(int sampleRate, double scale) {
  const double total = kLength * scale;
  std::vector<double> mix(static_cast<std::size_t>(total * sampleRate), 0.0);
  for (const Note& note : kNotes) {
    const auto first = static_cast<std::size_t>(note.start * scale * sampleRate);
    const double length = note.length * scale;
    for (std::size_t k = first; k < mix.size(); ++k) {
      const double t = static_cast<double>(k - first) / sampleRate;
      if (t > length) {
        break;
      }
      const double attack = std::min(1.0, t / kAttack);
      const double release = std::min(1.0, (length - t) / kRelease);
      const double envelope = attack * release * std::exp(-kDecay * t / length);
      const double phase = 2.0 * std::numbers::pi * note.frequency * t;
      mix[k] += note.level * envelope * (std::sin(phase) + kSecondHarmonic * std::sin(2.0 * phase));
    }
  }
  std::vector<std::int16_t> samples(mix.size());
  std::transform(mix.begin(), mix.end(), samples.begin(), [](double v) {
    return static_cast<std::int16_t>(std::lrint(std::clamp(v, -1.0, 1.0) * kPeak));
  });
  return samples;
}

}  // namespace quib
