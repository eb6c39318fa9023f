// Interleaved little-endian samples of any of the formats' encodings, taken apart into floats.
#include "browser/sound_samples.hpp"

#include <cstdint>
#include <cstring>

namespace quib {
namespace {

float sampleAt(const std::uint8_t* at, SampleFormat format) {
  // Each integer encoding's full scale: its most negative value is -1.
  constexpr float kEightBitMiddle = 128.0f;
  constexpr float kSixteenBitScale = 32768.0f;
  constexpr float kThirtyTwoBitScale = 2147483648.0f;
  switch (format) {
    case SampleFormat::kUnsigned8:
      return (static_cast<float>(*at) - kEightBitMiddle) / kEightBitMiddle;
    case SampleFormat::kSigned16: {
      std::int16_t value = 0;
      std::memcpy(&value, at, sizeof value);
      return static_cast<float>(value) / kSixteenBitScale;
    }
    case SampleFormat::kSigned32: {
      std::int32_t value = 0;
      std::memcpy(&value, at, sizeof value);
      return static_cast<float>(value) / kThirtyTwoBitScale;
    }
    case SampleFormat::kFloat32: {
      float value = 0;
      std::memcpy(&value, at, sizeof value);
      return value;
    }
  }
  return 0.0f;
}

}  // namespace

PlanarSound planarSound(const WavSound& sound) {
  PlanarSound out{sound.rate, sound.channels, 0, {}};
  const int frameBytes = sound.frameBytes();
  if (frameBytes <= 0) {
    return out;
  }
  out.frames = static_cast<int>(sound.bytes.size() / static_cast<std::size_t>(frameBytes));
  const auto frames = static_cast<std::size_t>(out.frames);
  out.samples.resize(frames * static_cast<std::size_t>(sound.channels));
  const int bytes = sampleBytes(sound.format);
  for (std::size_t frame = 0; frame < frames; ++frame) {
    for (int channel = 0; channel < sound.channels; ++channel) {
      const std::uint8_t* at = sound.bytes.data() + frame * static_cast<std::size_t>(frameBytes) +
                               static_cast<std::size_t>(channel * bytes);
      out.samples[static_cast<std::size_t>(channel) * frames + frame] = sampleAt(at, sound.format);
    }
  }
  return out;
}

}  // namespace quib
