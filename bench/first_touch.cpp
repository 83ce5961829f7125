// What the machine charges for the first write to fresh anonymous memory, per 4 KiB page,
// with ordinary pages and with 2 MiB pages. A conversion writes several buffers as large as
// the page it converts, so on a machine where this is dear the whole-process time follows
// the number of fresh pages touched rather than the work done on them.
#include <benchmark/benchmark.h>

#include <sys/mman.h>

#include <cstddef>

namespace {

constexpr std::size_t kBytes = std::size_t(64) << 20;
constexpr std::size_t kPage = 4096;

void TouchFreshMemory(benchmark::State& state)
{
    const bool huge = state.range(0) != 0;
    for (auto _ : state) {
        void* const map = mmap(nullptr, kBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (map == MAP_FAILED) {
            state.SkipWithError("mmap failed");
            return;
        }
        auto* const bytes = static_cast<volatile char*>(map);
#ifdef MADV_HUGEPAGE
        if (huge)
            madvise(map, kBytes, MADV_HUGEPAGE);
#endif
        for (std::size_t at = 0; at < kBytes; at += kPage)
            bytes[at] = 1;
        munmap(map, kBytes);
    }
    // Seconds per 4 KiB page ("13u" is 13 microseconds).
    state.counters["per_4KiB"] = benchmark::Counter(double(state.iterations() * (kBytes / kPage)),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(TouchFreshMemory)->Arg(0)->Arg(1)->ArgNames({"huge"})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
