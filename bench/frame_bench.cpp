// The floor of every call: one result block from the server's allocator, freed again.
#include <benchmark/benchmark.h>
#include <ib_util.h>

#include <cstdlib>

extern "C" char* version();

static void BM_BlockAllocFree(benchmark::State& state) {
    for (auto _ : state) {
        void* p = ib_util_malloc(32768);
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
BENCHMARK(BM_BlockAllocFree);

static void BM_Version(benchmark::State& state) {
    for (auto _ : state) {
        char* p = version();
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
BENCHMARK(BM_Version);
