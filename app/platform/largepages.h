#ifndef LARGEPAGES_H
#define LARGEPAGES_H

// The program's main heap in 2 MiB pages where the kernel gives them on
// request (transparent huge pages in "madvise" mode, Debian's default).
// Unlocking a vault of 100,000 items touches about 45 MiB of new heap at
// once; page by page that is some 12,000 page faults, which under a
// hypervisor cost more than building the items.
namespace LargePages {

// Call first thing in main, before any thread starts. Does nothing where the
// C library or the kernel can't.
void requestForHeap();

// Hands the free pages of the heap back to the system: after work that frees
// much at once, such as an unlock (an index read whole, the items of the
// last one). The heap's free top goes too; it grows again in small pages.
void releaseFree();

} // namespace LargePages

#endif // LARGEPAGES_H
