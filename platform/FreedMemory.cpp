#include "FreedMemory.h"

// Any C library header tells whether it is the GNU one.
#include <cstddef>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Blocks from this size on are mapped on their own. A fixed value also
// stops the allocator from raising it after each large block freed, which
// would let every pool keep up to twice the largest frame unused.
constexpr int kLargeBlockBytes = 1 << 20;

} // namespace

void FreedMemory::returnLargeBlocks()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

void FreedMemory::release()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
