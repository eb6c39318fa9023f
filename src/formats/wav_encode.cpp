// A WAV file's three headers, little-endian, then the samples.
#include "formats/wav_encode.hpp"

#include <string_view>

namespace quib {
namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
  }
}

// A chunk's four-letter name.
void put(std::vector<std::uint8_t>& out, std::string_view tag) {
  for (const char letter : tag) {
    out.push_back(static_cast<std::uint8_t>(letter));
  }
}

}  // namespace

std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples, int rate) {
  constexpr std::uint32_t kFormatChunkSize = 16;
  constexpr std::uint32_t kPcm = 1;
  constexpr std::uint32_t kChannels = 1;
  constexpr std::uint32_t kBytesPerSample = 2;
  constexpr std::uint32_t kRiffOverhead = 36;  // the chunks' headers after "RIFF" and its size
  const auto bytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  std::vector<std::uint8_t> out;
  out.reserve(kRiffOverhead + 8 + bytes);
  put(out, "RIFF");
  put(out, kRiffOverhead + bytes, 4);
  put(out, "WAVE");
  put(out, "fmt ");
  put(out, kFormatChunkSize, 4);
  put(out, kPcm, 2);
  put(out, kChannels, 2);
  put(out, static_cast<std::uint32_t>(rate), 4);
  put(out, static_cast<std::uint32_t>(rate) * kChannels * kBytesPerSample, 4);
  put(out, kChannels * kBytesPerSample, 2);
  put(out, kBytesPerSample * 8, 2);
  put(out, "data");
  put(out, bytes, 4);
  for (const std::int16_t sample : samples) {
    put(out, static_cast<std::uint16_t>(sample), 2);
  }
  return out;
}

}  // namespace quib
