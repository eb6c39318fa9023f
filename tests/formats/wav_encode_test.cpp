// The chime's WAV writer: what it writes reads back as written, whatever the length and rate.
#include "formats/wav_encode.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "formats/wav_file.hpp"

namespace quib {
namespace {

TEST(WavEncode, ReadsBackAsWritten) {
  const struct {
    std::vector<std::int16_t> samples;
    int rate;
  } cases[] = {
      {{}, 22050},
      {{-32768}, 8000},
      {{0, 1, -1, 32767, -32768}, 48000},
      {std::vector<std::int16_t>(1001, 1234), 192000},
  };
  for (const auto& c : cases) {
    const WavSound sound = decodeWav(encodeWav(c.samples, c.rate));
    ASSERT_TRUE(sound.ok()) << c.samples.size() << " samples: " << sound.error;
    EXPECT_EQ(sound.rate, c.rate);
    EXPECT_EQ(sound.channels, 1);
    EXPECT_EQ(sound.format, SampleFormat::kSigned16);
    std::vector<std::int16_t> back(sound.bytes.size() / 2);
    if (!back.empty()) {  // memcpy takes no null pointer, even for nothing
      std::memcpy(back.data(), sound.bytes.data(), back.size() * 2);
    }
    EXPECT_EQ(back, c.samples) << c.samples.size() << " samples at " << c.rate;
  }
}

}  // namespace
}  // namespace quib
