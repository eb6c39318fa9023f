// Asking for memory before it is read, for data that lies scattered but is read in an order
// known ahead: the wait for one cache line costs more than the painting of many pixels.
#pragma once

#include <cstddef>

namespace quib {

constexpr std::size_t kCacheLine = 64;

// Asks for the cache lines of the `size` bytes at `at`. Reads nothing and changes nothing:
// any address will do, even one never read.
inline void prefetch(const void* at, std::size_t size = 1) {
  const auto* bytes = static_cast<const char*>(at);
  for (std::size_t offset = 0; offset < size; offset += kCacheLine) {
    __builtin_prefetch(bytes + offset);
  }
  // To the compiler a function that only prefetches does nothing, and a call to one it has
  // not inlined yet is dropped whole; an empty statement it must keep holds the call.
  asm volatile("" : : "r"(bytes));
}

}  // namespace quib
