// Day and month names, date pictures and spoken numbers.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

#include "frame/registry.h"

using brindle::frame::Timestamp;

extern "C" {
char* cmonthshortlang(const Timestamp* t, const char* code);
char* datetostr(const Timestamp* t, const char* picture);
char* datetostrlang(const Timestamp* t, const char* picture, const char* code);
char* gformatd(const char* picture, const Timestamp* t);
char* numinwords(const double* value, const int32_t* decimals, const char* code);
}

namespace {

const Timestamp kWhen{54539, 471090000};  // 2008-03-14 13:05:09
// Close to the 254-byte limit in English, with every name translated.
const char* const kLongPicture =
    "%A %a %B %b | %c | %x | %A, %d. %B %Y %H:%M:%S | %a %b %e %j %U %W %V %G | "
    "%A %a %B %b | %r %p %D %F | %A %a %B %b %A %a %B %b";

void BM_Cmonthshortlang(benchmark::State& state) {
    for (auto _ : state) {
        char* p = cmonthshortlang(&kWhen, "fr");
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
BENCHMARK(BM_Cmonthshortlang);

void BM_DatetostrLongPicture(benchmark::State& state) {
    for (auto _ : state) {
        char* p = datetostr(&kWhen, kLongPicture);
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
BENCHMARK(BM_DatetostrLongPicture);

void BM_DatetostrlangLongPicture(benchmark::State& state) {
    for (auto _ : state) {
        char* p = datetostrlang(&kWhen, kLongPicture, "de");
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
BENCHMARK(BM_DatetostrlangLongPicture);

void BM_Gformatd(benchmark::State& state) {
    for (auto _ : state) {
        char* p = gformatd("dddd, d. mmmm yyyy hh:nn:ss", &kWhen);
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
BENCHMARK(BM_Gformatd);

void BM_Numinwords(benchmark::State& state) {
    const double value = 1234567.891;
    const int32_t decimals = 3;
    for (auto _ : state) {
        char* p = numinwords(&value, &decimals, "de");
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}
BENCHMARK(BM_Numinwords);

}  // namespace
