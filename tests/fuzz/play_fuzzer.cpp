// libFuzzer: a level and the keys played on it, through the reader, the drawing and the whole
// key chain. A key that does not end within the time limit is a finding too.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "control/play_input.hpp"
#include "require.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string scratch = "/tmp/quib_play_fuzz_" + std::to_string(getpid());
  const std::string broken = quib::playFuzzInput(std::span(data, size), scratch);
  quib::require(broken.empty(), "a played level", broken);
  return 0;
}
