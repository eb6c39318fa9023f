// Additive synthesis of the chime: sine partials under exponential decay envelopes.
#include "platform/chime.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quib {

std::vector<std::int16_t> synthesizeChime(int sampleRate, double scale) {
  struct Note {
    double start, length, frequency, level;
  };
  // G5 for "ta", then C6-E6-G6 for "da".
  const Note notes[] = {
      {0.00, 0.16, 783.99, 0.45},
      {0.16, 0.90, 1046.50, 0.30},
      {0.16, 0.90, 1318.51, 0.22},
      {0.16, 0.90, 1567.98, 0.18},
  };
  const double total = 1.06 * scale;
  std::vector<double> mix(static_cast<std::size_t>(total * sampleRate), 0.0);
  for (const Note& note : notes) {
    const auto first = static_cast<std::size_t>(note.start * scale * sampleRate);
    const double length = note.length * scale;
    for (std::size_t k = first; k < mix.size(); ++k) {
      const double t = static_cast<double>(k - first) / sampleRate;
      if (t > length) {
        break;
      }
      const double attack = std::min(1.0, t / 0.005);
      const double release = std::min(1.0, (length - t) / 0.02);
      const double envelope = attack * release * std::exp(-3.0 * t / length);
      const double phase = 2.0 * std::numbers::pi * note.frequency * t;
      mix[k] += note.level * envelope * (std::sin(phase) + 0.25 * std::sin(2.0 * phase));
    }
  }
  std::vector<std::int16_t> samples(mix.size());
  std::transform(mix.begin(), mix.end(), samples.begin(), [](double v) {
    return static_cast<std::int16_t>(std::lrint(std::clamp(v, -1.0, 1.0) * 30000.0));
  });
  return samples;
}

}  // namespace quib
