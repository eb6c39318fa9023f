// libFuzzer: any bytes as a level's drawing, as quib-level draw reads one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "require.hpp"
#include "world/drawing_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string broken =
      quib::drawFuzzInput(std::string_view(reinterpret_cast<const char*>(data), size));
  quib::require(broken.empty(), "a drawing", broken);
  return 0;
}
