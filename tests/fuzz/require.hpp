// A fuzzer's invariant: when it does not hold, say which and stop, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quib {

inline void require(bool holds, const char* what, const std::string& detail) {
  if (!holds) {
    std::fprintf(stderr, "broken: %s: %s\n", what, detail.c_str());
    std::abort();
  }
}

}  // namespace quib
