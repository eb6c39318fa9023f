// A grid in a failed assertion: its panels that hold a code, not 80 KB of bytes.
#pragma once

#include <ostream>

#include "world/world.hpp"

namespace quib {

inline void PrintTo(const Labmap& labmap, std::ostream* out) {
  constexpr int kShown = 24;
  int shown = 0;
  *out << "{";
  for (int i = 0; i <= kGridMax; ++i) {
    for (int j = 0; j <= kGridMax; ++j) {
      for (int k = 0; k < 2; ++k) {
        if (labmap(i, j, k) != 0 && shown++ < kShown) {
          *out << " (" << i << "," << j << "," << k << ")=" << labmap(i, j, k);
        }
      }
    }
  }
  *out << (shown > kShown ? " ... " : " ") << shown << " set }";
}

}  // namespace quib
