// On glibc, malloc_trim also releases whole free pages inside the heap, not only at its top.
#include "platform/freed_memory.hpp"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace quib {

void returnFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace quib
