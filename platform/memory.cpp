#include "platform/memory.h"

#include <cstdlib>  // defines __GLIBC__ where that is the C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

namespace {
// Blocks from this size on come from the system page by page.
constexpr int kLargeBlock = 256 * 1024;
}  // namespace

void ReturnLargeBlocksToTheSystem() {
#if defined(__GLIBC__)
  // Setting the threshold also stops the library from moving it.
  mallopt(M_MMAP_THRESHOLD, kLargeBlock);
#endif
}

}  // namespace platform
