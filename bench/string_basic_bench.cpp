// In-process cost per call of a few substring, trimming and padding functions.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" {
char* ltrim(const char*);
char* rtrim(const char*);
char* mid(const char*, const int32_t*, const int32_t*);
char* padleft(const char*, const char*, const int32_t*);
char* strrepeat(const char*, const int32_t*);
int32_t* stringlength(const char*);
}

namespace {

const std::string kShort = "   word 123   ";

template <typename F>
void run(benchmark::State& state, F call) {
    for (auto _ : state) {
        void* p = call();
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}

void BM_Ltrim(benchmark::State& s) { run(s, [] { return ltrim(kShort.c_str()); }); }
void BM_Rtrim(benchmark::State& s) { run(s, [] { return rtrim(kShort.c_str()); }); }
void BM_StringLength(benchmark::State& s) { run(s, [] { return stringlength(kShort.c_str()); }); }
void BM_Mid(benchmark::State& s) {
    const int32_t a = 3, b = 4;
    run(s, [&] { return mid(kShort.c_str(), &a, &b); });
}
void BM_Padleft50(benchmark::State& s) {
    const int32_t w = 50;
    run(s, [&] { return padleft(kShort.c_str(), "*-", &w); });
}
void BM_StrrepeatToCapacity(benchmark::State& s) {
    const int32_t n = 1000000;
    run(s, [&] { return strrepeat("abc", &n); });
}

}  // namespace

BENCHMARK(BM_Ltrim);
BENCHMARK(BM_Rtrim);
BENCHMARK(BM_StringLength);
BENCHMARK(BM_Mid);
BENCHMARK(BM_Padleft50);
BENCHMARK(BM_StrrepeatToCapacity);
