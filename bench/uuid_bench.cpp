// Cost per UUID: version-1 and version-4 generation alone, single-threaded and with 8
// threads at once, and the exported functions with their result block and text form.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "legacy/prototypes.h"
#include "uuid/generator.h"

namespace {

namespace uu = brindle::uuid;

void BM_Uuid_V1Record(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(uu::process_generator().v1(false));
}
BENCHMARK(BM_Uuid_V1Record)->Threads(1)->Threads(8)->UseRealTime();

void BM_Uuid_V1RandomNodeRecord(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(uu::process_generator().v1(true));
}
BENCHMARK(BM_Uuid_V1RandomNodeRecord)->Threads(1)->Threads(8)->UseRealTime();

void BM_Uuid_V4Record(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(uu::uuidgen_v4());
}
BENCHMARK(BM_Uuid_V4Record)->Threads(1)->Threads(8)->UseRealTime();

template <char* (*F)()>
void generate(benchmark::State& state) {
    for (auto _ : state) {
        char* p = F();
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
BENCHMARK(generate<uuid1mac>)->Name("BM_Uuid_uuid1mac")->Threads(1)->Threads(8)->UseRealTime();
BENCHMARK(generate<uuid1maccompr>)->Name("BM_Uuid_uuid1maccompr");
BENCHMARK(generate<uuid4>)->Name("BM_Uuid_uuid4")->Threads(1)->Threads(8)->UseRealTime();
BENCHMARK(generate<uuid4compr>)->Name("BM_Uuid_uuid4compr");

template <typename R, R* (*F)(const char*)>
void convert(benchmark::State& state, const char* arg) {
    for (auto _ : state) {
        R* p = F(arg);
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
constexpr char kText[] = "6ba7b810-9dad-11d1-80b4-00c04fd430c8";
void BM_Uuid_compressuuid(benchmark::State& s) { convert<char, compressuuid>(s, kText); }
void BM_Uuid_expanduuidcompr(benchmark::State& s) { convert<char, expanduuidcompr>(s, "!!k2zIAAWoU*5FbOpfdvUE"); }
void BM_Uuid_uuid1timestamp(benchmark::State& s) { convert<brindle::frame::Timestamp, uuid1timestamp>(s, kText); }
BENCHMARK(BM_Uuid_compressuuid);
BENCHMARK(BM_Uuid_expanduuidcompr);
BENCHMARK(BM_Uuid_uuid1timestamp);

}  // namespace
