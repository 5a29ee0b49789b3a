#include "FreedMemory.h"

// Any C library header tells whether it is the GNU one.
#include <cstddef>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Blocks from this size on (pictures, frames above 1080p) are mapped on
// their own. A fixed value also stops the allocator from raising it after
// each large block freed, which would let every pool keep up to twice the
// largest frame unused at its end. A lower value gives back no more and
// maps and faults in more blocks while a project opens.
constexpr int kLargeBlockBytes = 4 << 20;

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
