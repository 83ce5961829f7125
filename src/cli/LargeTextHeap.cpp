#include "cli/LargeTextHeap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

constexpr std::size_t kMiB = std::size_t(1) << 20;
constexpr std::size_t kHugePage = 2 * kMiB;
constexpr std::size_t kLeast = 8 * kMiB;
constexpr std::size_t kMost = 1024 * kMiB;
// malloc's own ceiling for the mmap threshold on 64-bit systems.
constexpr std::size_t kMmapThresholdMax = 32 * kMiB;

} // namespace

void ReserveLargeTextHeap(std::size_t bytes)
{
#if defined(__linux__) && defined(__GLIBC__)
    const std::size_t room = std::clamp(bytes, kLeast, kMost);
    // Large buffers stay in the heap, which is reused, instead of fresh mappings per buffer,
    // and freed ones are kept for the next.
    mallopt(M_MMAP_THRESHOLD, int(kMmapThresholdMax));
    mallopt(M_TRIM_THRESHOLD, int(std::min(room * 2, std::size_t(INT32_MAX))));
    mallopt(M_TOP_PAD, int(room));
    auto* const before = static_cast<char*>(sbrk(0));
    // One block more than the heap's free top holds: the heap grows by it and the pad.
    // (Through a volatile pointer: a free of a fresh malloc may otherwise be left out.)
    void* volatile probe = std::malloc(mallinfo2().keepcost + 4096);
    std::free(probe);
    auto* const after = static_cast<char*>(sbrk(0));
    const auto first = (reinterpret_cast<std::uintptr_t>(before) + kHugePage - 1) & ~(kHugePage - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(after) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    mallopt(M_TOP_PAD, 0); // later growth, if any, goes by need
#else
    (void)bytes;
#endif
}
