#include "bench/heap_state.h"

#if defined(__GLIBC__)
#include <climits>
#include <malloc.h>
#endif

namespace bench {

void KeepFreedMemory()
{
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
    // glibc's largest threshold: blocks up to 32 MiB come from the heap.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
#endif
}

void FreshHeap()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace bench
