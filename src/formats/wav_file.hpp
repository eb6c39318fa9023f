// Reading WAV files: the sample encodings a sound device plays, or the reason in words.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quib {

// How the samples lie in memory, all little-endian: what a sound device takes as it is.
enum class SampleFormat { kUnsigned8, kSigned16, kSigned32, kFloat32 };

int sampleBytes(SampleFormat format);

// The game waits for its sound before it ends: a longer file gives its first seconds only.
inline constexpr int kLongestClipSeconds = 10;

// The largest WAV file read; the shipped chime is some 50 kilobytes.
inline constexpr std::int64_t kLargestWavFile = std::int64_t{64} << 20;

// A WAV file's first kLongestClipSeconds as interleaved frames, or why the file gives none.
struct WavSound {
  int rate = 0;  // frames a second, 1 or more
  int channels = 0;
  SampleFormat format = SampleFormat::kSigned16;
  std::vector<std::uint8_t> bytes;  // whole frames only; none when the file holds no sound
  std::string error;                // empty when the file was read

  bool ok() const { return error.empty(); }
  int frameBytes() const { return sampleBytes(format) * channels; }
};

// Decodes a RIFF WAVE file's bytes: PCM of 8 (unsigned), 16, 24 and 32 bits, 32-bit floats,
// A-law and µ-law, also behind WAVE_FORMAT_EXTENSIBLE. 24-bit samples come as the high three
// bytes of 32-bit ones; A-law and µ-law as 16-bit. A data chunk cut short gives the whole frames
// it holds; every other encoding, and a file that is no WAV file, is refused with the reason.
WavSound decodeWav(std::span<const std::uint8_t> file);

// Reads the file at `path` (a regular file only, up to kLargestWavFile bytes) and decodes it.
WavSound readWavFile(const std::string& path);

}  // namespace quib
