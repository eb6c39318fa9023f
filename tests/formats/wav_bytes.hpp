// WAV files made byte by byte for the tests: any field, any chunks, in any order.
#pragma once

#include <cstdint>
#include <string>

namespace quib::wav {

inline std::string le(std::uint32_t value, int size) {
  std::string out;
  for (int k = 0; k < size; ++k) {
    out += static_cast<char>((value >> (8 * k)) & 0xffu);
  }
  return out;
}

// A chunk: its id, its size, its data and, after an odd size, a byte of padding.
inline std::string chunk(const std::string& id, const std::string& data) {
  std::string out = id + le(static_cast<std::uint32_t>(data.size()), 4) + data;
  if (data.size() % 2 != 0) {
    out += '\0';
  }
  return out;
}

inline std::string riff(const std::string& chunks) {
  return "RIFF" + le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// A format chunk: WAVEFORMAT with wBitsPerSample, and cbSize for other encodings than PCM. A
// block of 0 is worked out from the channels and the bits.
inline std::string format(std::uint32_t tag, std::uint32_t channels, std::uint32_t rate,
                          std::uint32_t bits, std::uint32_t block = 0) {
  if (block == 0) {
    block = channels * bits / 8;
  }
  std::string data =
      le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * block, 4) + le(block, 2) + le(bits, 2);
  if (tag != 1) {
    data += le(0, 2);
  }
  return chunk("fmt ", data);
}

// A format chunk of WAVE_FORMAT_EXTENSIBLE, its subformat the GUID of `subformat`, or an
// unknown GUID when `known` is false.
inline std::string extensible(std::uint32_t subformat, std::uint32_t channels, std::uint32_t rate,
                              std::uint32_t bits, bool known = true) {
  const std::uint32_t block = channels * bits / 8;
  const std::string tail =
      known ? std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71", 14)
            : std::string(14, '\x42');
  return chunk("fmt ", le(0xfffe, 2) + le(channels, 2) + le(rate, 4) + le(rate * block, 4) +
                           le(block, 2) + le(bits, 2) + le(22, 2) + le(bits, 2) +
                           le(channels == 1 ? 0x4 : 0x3, 4) + le(subformat, 2) + tail);
}

// `count` bytes of a saw tone.
inline std::string saw(std::uint32_t count) {
  std::string out;
  for (std::uint32_t k = 0; k < count; ++k) {
    out += static_cast<char>(k * 7 % 251);
  }
  return out;
}

// A whole file of `frames` frames of a saw tone: PCM (tag 1) or another encoding, which then
// carries the frame count in a fact chunk, as such files do.
inline std::string clip(std::uint32_t tag, std::uint32_t rate, std::uint32_t channels,
                        std::uint32_t bits, std::uint32_t frames) {
  const std::uint32_t size = frames * channels * bits / 8;
  const std::string fact = tag == 1 ? "" : chunk("fact", le(frames, 4));
  return riff(format(tag, channels, rate, bits) + fact + chunk("data", saw(size)));
}

}  // namespace quib::wav
