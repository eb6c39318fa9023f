// WAV files: every encoding the game plays, as the device takes it; every other, and every
// file that is no WAV file, refused with its reason.
#include "formats/wav_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "formats/chime.hpp"
#include "formats/wav_bytes.hpp"

namespace quib {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytesOf(const std::string& text) {
  return {text.begin(), text.end()};
}

WavSound decode(const std::string& file) {
  return decodeWav(bytesOf(file));
}

// Samples of 16 bits, little-endian.
std::string s16(std::initializer_list<int> samples) {
  std::string out;
  for (const int sample : samples) {
    out += wav::le(static_cast<std::uint16_t>(sample), 2);
  }
  return out;
}

TEST(Wav, EveryEncodingPlayedComesAsTheDeviceTakesIt) {
  const std::string eight("\x00\x80\xff\x01", 4);
  const std::string sixteen = s16({0, -1, 32767, -32768});
  const std::string triple = "\x01\x02\x03\xfd\xfe\xff";
  const std::string floats = wav::le(0x3f800000, 4) + wav::le(0xbf000000, 4);  // 1.0, -0.5
  const struct {
    const char* what;
    std::string format;
    std::string data;
    SampleFormat as;
    std::string bytes;
  } cases[] = {
      {"8-bit PCM", wav::format(1, 1, 8000, 8), eight, SampleFormat::kUnsigned8, eight},
      {"16-bit PCM, stereo", wav::format(1, 2, 44100, 16), sixteen, SampleFormat::kSigned16,
       sixteen},
      {"24-bit PCM, widened", wav::format(1, 1, 48000, 24), triple, SampleFormat::kSigned32,
       std::string("\x00\x01\x02\x03\x00\xfd\xfe\xff", 8)},
      {"32-bit PCM", wav::format(1, 1, 8000, 32), sixteen, SampleFormat::kSigned32, sixteen},
      {"32-bit floats", wav::format(3, 2, 8000, 32), floats, SampleFormat::kFloat32, floats},
      // The ends of either scale, its zeros and its smallest steps.
      {"A-law", wav::format(6, 1, 8000, 8), "\xd5\x55\xaa\x2a", SampleFormat::kSigned16,
       s16({8, -8, 32256, -32256})},
      {"mu-law", wav::format(7, 1, 8000, 8), std::string("\xff\x7f\x80\x00\xfe", 5),
       SampleFormat::kSigned16, s16({0, 0, 32124, -32124, 8})},
      {"extensible PCM", wav::extensible(1, 2, 8000, 16), sixteen, SampleFormat::kSigned16,
       sixteen},
      {"extensible mu-law", wav::extensible(7, 1, 8000, 8), "\x80", SampleFormat::kSigned16,
       s16({32124})},
  };
  for (const auto& c : cases) {
    const WavSound sound = decode(wav::riff(c.format + wav::chunk("data", c.data)));
    ASSERT_TRUE(sound.ok()) << c.what << ": " << sound.error;
    EXPECT_EQ(sound.format, c.as) << c.what;
    EXPECT_EQ(std::string(sound.bytes.begin(), sound.bytes.end()), c.bytes) << c.what;
  }
}

TEST(Wav, ChunksAreFoundWhereverTheyLie) {
  const std::string fmt = wav::format(1, 2, 8000, 16);
  const struct {
    const char* what;
    std::string file;
    std::size_t bytes;
  } cases[] = {
      {"a chunk of an odd size, padded, before the format",
       wav::riff(wav::chunk("LIST", "abc") + fmt + wav::chunk("data", wav::saw(8))), 8},
      {"a chunk between format and data",
       wav::riff(fmt + wav::chunk("fact", wav::le(2, 4)) + wav::chunk("data", wav::saw(8))), 8},
      {"a RIFF size of 0, as streaming writers leave it",
       "RIFF" + wav::le(0, 4) + "WAVE" + fmt + wav::chunk("data", wav::saw(8)), 8},
      {"a data chunk cut short: the whole frames it holds",
       wav::riff(fmt) + "data" + wav::le(400, 4) + wav::saw(11), 8},
      {"no frames at all", wav::riff(fmt + wav::chunk("data", "")), 0},
  };
  for (const auto& c : cases) {
    const WavSound sound = decode(c.file);
    ASSERT_TRUE(sound.ok()) << c.what << ": " << sound.error;
    EXPECT_EQ(sound.rate, 8000) << c.what;
    EXPECT_EQ(sound.channels, 2) << c.what;
    EXPECT_EQ(sound.bytes.size(), c.bytes) << c.what;
  }
}

TEST(Wav, OnlyTheFirstTenSecondsAreKept) {
  const struct {
    const char* what;
    std::string file;
    std::size_t bytes;
  } cases[] = {
      {"an hour at one frame a second", wav::clip(1, 1, 1, 8, 3600), 10},
      {"12 s of 16-bit stereo", wav::clip(1, 8000, 2, 16, 12 * 8000), 10 * 8000 * 4},
      {"12 s of 24-bit, widened after the cut", wav::clip(1, 100, 1, 24, 1200), 10 * 100 * 4},
      {"12 s of mu-law, widened after the cut", wav::clip(7, 100, 1, 8, 1200), 10 * 100 * 2},
  };
  for (const auto& c : cases) {
    const WavSound sound = decode(c.file);
    ASSERT_TRUE(sound.ok()) << c.what << ": " << sound.error;
    EXPECT_EQ(sound.bytes.size(), c.bytes) << c.what;
  }
}

TEST(Wav, EveryOtherFileIsRefusedWithItsReason) {
  const std::string data = wav::chunk("data", wav::saw(16));
  const struct {
    const char* what;
    std::string file;
    std::string error;
  } cases[] = {
      {"text", "hello, this is no sound", "not a WAV file"},
      {"no format chunk", wav::riff(data), "not a WAV file (it has no format chunk)"},
      {"no data chunk", wav::riff(wav::format(1, 1, 8000, 8)),
       "it holds no sound (it has no data chunk)"},
      {"data before the format", wav::riff(data + wav::format(1, 1, 8000, 8)),
       "its sound comes before its format"},
      {"a format chunk without its bits",
       wav::riff(wav::chunk("fmt ", std::string(14, '\1')) + data),
       "its format chunk is too short"},
      {"Microsoft ADPCM", wav::riff(wav::format(2, 1, 8000, 4, 256) + data),
       "Microsoft ADPCM is no encoding the game plays"},
      {"MP3", wav::riff(wav::format(0x55, 2, 44100, 0, 1) + data),
       "MP3 is no encoding the game plays"},
      {"an unknown tag", wav::riff(wav::format(0x1234, 1, 8000, 8) + data),
       "encoding 0x1234 is none the game plays"},
      {"12-bit PCM", wav::riff(wav::format(1, 1, 8000, 12, 2) + data),
       "12-bit PCM is no encoding the game plays"},
      {"64-bit floats", wav::riff(wav::format(3, 1, 8000, 64) + data),
       "64-bit floating point is no encoding the game plays"},
      {"extensible ADPCM", wav::riff(wav::extensible(2, 1, 8000, 4) + data),
       "Microsoft ADPCM is no encoding the game plays"},
      {"extensible of an unknown GUID", wav::riff(wav::extensible(1, 1, 8000, 16, false) + data),
       "an extensible format of no known kind is none the game plays"},
      {"no channels", wav::riff(wav::format(1, 0, 8000, 16, 2) + data), "it has no channels"},
      {"a rate of 0", wav::riff(wav::format(1, 1, 0, 16) + data), "a rate of 0 Hz"},
      {"a rate past 31 bits", wav::riff(wav::format(1, 1, 3'000'000'000, 16) + data),
       "a rate of 3000000000 Hz"},
      {"frames padded to 6 bytes", wav::riff(wav::format(1, 2, 8000, 16, 6) + data),
       "blocks of 6 bytes for 2 channels of 16 bits are none the game plays"},
  };
  for (const auto& c : cases) {
    const WavSound sound = decode(c.file);
    EXPECT_EQ(sound.error, c.error) << c.what;
    EXPECT_TRUE(sound.bytes.empty()) << c.what;
  }
}

TEST(Wav, EveryCutOfAFileIsReadOrRefusedInOneLine) {
  const std::string whole = wav::riff(wav::extensible(1, 2, 8000, 16) + wav::chunk("LIST", "abc") +
                                      wav::chunk("data", wav::saw(64)));
  for (std::size_t size = 0; size <= whole.size(); ++size) {
    const WavSound sound = decode(whole.substr(0, size));
    EXPECT_EQ(sound.bytes.size() % 4, 0u) << size << " bytes: whole frames only";
    EXPECT_EQ(sound.error.find('\n'), std::string::npos) << size << " bytes";
  }
}

TEST(Wav, TheShippedChimeReadsBackAsSynthesised) {
  const WavSound sound =
      readWavFile((fs::path(QUIB_BIN_DIR) / "game" / "bin" / "tada.wav").string());
  ASSERT_TRUE(sound.ok()) << sound.error;
  EXPECT_EQ(sound.rate, kChimeRate);
  EXPECT_EQ(sound.channels, 1);
  const std::vector<std::int16_t> chime = synthesizeChime(kChimeRate, 1.0);
  ASSERT_EQ(sound.bytes.size(), chime.size() * 2);
  std::string expected;
  for (const std::int16_t sample : chime) {
    expected += wav::le(static_cast<std::uint16_t>(sample), 2);
  }
  EXPECT_TRUE(std::string(sound.bytes.begin(), sound.bytes.end()) == expected)
      << "every sample as made";
}

}  // namespace
}  // namespace quib
