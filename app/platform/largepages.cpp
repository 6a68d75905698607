#include "largepages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace LargePages {

namespace {

// The heap grows in steps of this size and is not cut on its own: one
// mapping that the advice covers (a mapping grown later would lack it).
constexpr int kStep = 64 << 20;

} // namespace

void requestForHeap()
{
    // The heap keeps what is freed (releaseFree gives it back at chosen
    // moments): cutting it would end the mapping the advice is on.
    if (mallopt(M_TOP_PAD, kStep) != 1 || mallopt(M_TRIM_THRESHOLD, 4 * kStep) != 1)
        return;
    // Grows the heap once now, through blocks small enough to come from it.
    void *const before = sbrk(0);
    void *blocks[64] = {};
    for (int i = 0; i < 64 && sbrk(0) == before; ++i)
        blocks[i] = std::malloc(64 * 1024);
    for (void *block : blocks)
        std::free(block);

    FILE *maps = std::fopen("/proc/self/maps", "re");
    if (!maps)
        return;
    char line[512];
    while (std::fgets(line, sizeof line, maps)) {
        if (!std::strstr(line, "[heap]"))
            continue;
        unsigned long start = 0;
        unsigned long end = 0;
        if (std::sscanf(line, "%lx-%lx", &start, &end) == 2 && end > start)
            madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);
        break;
    }
    std::fclose(maps);
}

void releaseFree()
{
    malloc_trim(0);
}

} // namespace LargePages
