// In-process cost per call of the numeric, constant and conversion functions, one or two of
// each family, result block included.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

extern "C" {
char* converttodollar(const double*);
char* fixedpointlang(const double*, const int32_t*, const char*, const char*);
double* zahlrunden(const double*, const int32_t*);
double* roundtoeven(const double*, const int32_t*);
int32_t* modulo(const int32_t*, const int32_t*);
double* fact(const int32_t*);
double* f_power(const double*, const double*);
double r_dividezero(const double*, const double*, const double*);
double* sin_deg(const double*);
double* arcosh(const double*);
int32_t* intrandom(const int32_t*, const int32_t*);
double* f_rand();
double pi();
char* converttobase(const int32_t*, const int32_t*, const char*);
int32_t* convertfrom33(const char*);
char* inttohex(const int32_t*, const int32_t*);
int32_t* hextoint(const char*);
char* arabic2roman(const int32_t*);
int32_t* roman2arabic(const char*);
double* ft2m(const double*);
double* c2f(const double*);
}

namespace {

template <typename F>
void run(benchmark::State& state, F call) {
    for (auto _ : state) {
        void* p = call();
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}

const double kX = 1234.5678, kY = 2.5, kZero = 0.0;
const int32_t k1 = 1, k2 = 2, k6 = 6, k7 = 7, k8 = 8, k16 = 16, k100 = 100, k3888 = 3888;
const int32_t kBig = 123456789;

void BM_Numeric_Converttodollar(benchmark::State& s) { run(s, [] { return converttodollar(&kX); }); }
void BM_Numeric_Fixedpointlang(benchmark::State& s) { run(s, [] { return fixedpointlang(&kX, &k2, ",", "."); }); }
void BM_Numeric_Zahlrunden(benchmark::State& s) { run(s, [] { return zahlrunden(&kX, &k2); }); }
void BM_Numeric_Roundtoeven(benchmark::State& s) { run(s, [] { return roundtoeven(&kX, &k2); }); }
void BM_Numeric_Modulo(benchmark::State& s) { run(s, [] { return modulo(&kBig, &k7); }); }
void BM_Numeric_Fact100(benchmark::State& s) { run(s, [] { return fact(&k100); }); }
void BM_Numeric_FPower(benchmark::State& s) { run(s, [] { return f_power(&kX, &kY); }); }
void BM_Numeric_RDividezeroByValue(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(r_dividezero(&kX, &kZero, &kY));
}
void BM_Numeric_SinDeg(benchmark::State& s) { run(s, [] { return sin_deg(&kX); }); }
void BM_Numeric_Arcosh(benchmark::State& s) { run(s, [] { return arcosh(&kX); }); }
void BM_Numeric_Intrandom(benchmark::State& s) { run(s, [] { return intrandom(&k1, &k6); }); }
void BM_Numeric_FRand(benchmark::State& s) { run(s, [] { return f_rand(); }); }
void BM_Numeric_IntrandomEightThreads(benchmark::State& s) { run(s, [] { return intrandom(&k1, &k6); }); }

void BM_Convert_PiByValue(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(pi());
}
void BM_Convert_Converttobase(benchmark::State& s) {
    run(s, [] { return converttobase(&kBig, &k16, "0123456789ABCDEF"); });
}
void BM_Convert_Convertfrom33(benchmark::State& s) { run(s, [] { return convertfrom33("5QJZB1"); }); }
void BM_Convert_Inttohex(benchmark::State& s) { run(s, [] { return inttohex(&kBig, &k8); }); }
void BM_Convert_Hextoint(benchmark::State& s) { run(s, [] { return hextoint("75bcd15"); }); }
void BM_Convert_Arabic2roman(benchmark::State& s) { run(s, [] { return arabic2roman(&k3888); }); }
void BM_Convert_Roman2arabic(benchmark::State& s) { run(s, [] { return roman2arabic("MMMDCCCLXXXVIII"); }); }
void BM_Convert_Ft2m(benchmark::State& s) { run(s, [] { return ft2m(&kX); }); }
void BM_Convert_C2f(benchmark::State& s) { run(s, [] { return c2f(&kX); }); }

}  // namespace

BENCHMARK(BM_Numeric_Converttodollar);
BENCHMARK(BM_Numeric_Fixedpointlang);
BENCHMARK(BM_Numeric_Zahlrunden);
BENCHMARK(BM_Numeric_Roundtoeven);
BENCHMARK(BM_Numeric_Modulo);
BENCHMARK(BM_Numeric_Fact100);
BENCHMARK(BM_Numeric_FPower);
BENCHMARK(BM_Numeric_RDividezeroByValue);
BENCHMARK(BM_Numeric_SinDeg);
BENCHMARK(BM_Numeric_Arcosh);
BENCHMARK(BM_Numeric_Intrandom);
BENCHMARK(BM_Numeric_FRand);
BENCHMARK(BM_Numeric_IntrandomEightThreads)->Threads(8);
BENCHMARK(BM_Convert_PiByValue);
BENCHMARK(BM_Convert_Converttobase);
BENCHMARK(BM_Convert_Convertfrom33);
BENCHMARK(BM_Convert_Inttohex);
BENCHMARK(BM_Convert_Hextoint);
BENCHMARK(BM_Convert_Arabic2roman);
BENCHMARK(BM_Convert_Roman2arabic);
BENCHMARK(BM_Convert_Ft2m);
BENCHMARK(BM_Convert_C2f);
