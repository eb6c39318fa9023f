// The chime: its length, a lead note of G5 and a chord that rings away, without clicks.
#include "formats/chime.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace quib {
namespace {

TEST(Chime, ATaAndARingingDaAtAnyRateAndLength) {
  const struct {
    int rate;
    double scale;  // 1 for the shipped file, 0.4 for the stand-in
  } cases[] = {{kChimeRate, 1.0}, {kChimeRate, 0.4}, {44100, 1.0}, {8000, 0.4}};
  for (const auto& c : cases) {
    const std::string what = std::to_string(c.rate) + " Hz, scale " + std::to_string(c.scale);
    const std::vector<std::int16_t> chime = synthesizeChime(c.rate, c.scale);
    const auto at = [&](double seconds) {
      return chime.begin() + static_cast<std::ptrdiff_t>(seconds * c.scale * c.rate);
    };
    const auto loudest = [&](double from, double to) {
      const auto most = std::minmax_element(at(from), at(to));
      return std::max(std::abs(int{*most.first}), std::abs(int{*most.second}));
    };
    ASSERT_EQ(chime.end(), at(1.06)) << what;
    EXPECT_EQ(chime.front(), 0) << what << ": no click as it starts";
    EXPECT_LT(std::abs(int{chime.back()}), 100) << what << ": none as it ends";
    EXPECT_LE(loudest(0, 1.06), 30000) << what << ": room below clipping";
    // G5, 784 Hz, until the chord comes in: two sign changes a period.
    int count = 0;
    for (auto k = at(0) + 1; k < at(0.15); ++k) {
      count += (*(k - 1) < 0) != (*k < 0) ? 1 : 0;
    }
    EXPECT_NEAR(count, 2 * 783.99 * 0.15 * c.scale, 2.0) << what << ": the lead note";
    EXPECT_GT(loudest(0.16, 0.30), 3 * loudest(0.90, 1.06)) << what << ": the chord rings away";
  }
}

}  // namespace
}  // namespace quib
