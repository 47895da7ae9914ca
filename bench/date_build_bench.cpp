// Building and converting dates, periods and Easter: cost per call of the exported functions.
// Easter and the feasts cost the same for every year, and incdate the same for any count.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

#include "frame/registry.h"

using brindle::frame::Timestamp;

extern "C" {
int32_t* encodedate(const int32_t*, const int32_t*, const int32_t*);
int32_t* encodedatenull(const int32_t*, const int32_t*, const int32_t*);
uint32_t* encodetimenull(const int32_t*, const int32_t*, const int32_t*);
Timestamp* encodetimestamp(const int32_t*, const int32_t*, const int32_t*, const int32_t*,
                           const int32_t*, const int32_t*);
Timestamp* lastdaymonth(const Timestamp*);
double* datetodouble(const Timestamp*);
Timestamp* doubletodate(const double*);
Timestamp* incdate(const Timestamp*, const int32_t*, const int32_t*, const int32_t*);
Timestamp* incdatetime(const Timestamp*, const int32_t*, const int32_t*, const int32_t*,
                       const int32_t*, const int32_t*, const int32_t*);
char* addperiod(const char*, const char*);
int32_t* period2seconds(const char*);
char* seconds2period(const int32_t*);
Timestamp* osterdatum(const int32_t*);
Timestamp* fronleichnam(const int32_t*);
int32_t* kalenderwoche(const Timestamp*);
}

namespace {

const Timestamp kTs{54530, 254490000};  // 2008-03-05 07:04:09

template <typename T>
void consume(T* p) {
    benchmark::DoNotOptimize(p);
    std::free(p);
}

void BM_DateBuild_Encodedate(benchmark::State& state) {
    const int32_t y = 2008, m = 3, d = 5;
    for (auto _ : state) consume(encodedate(&y, &m, &d));
}
BENCHMARK(BM_DateBuild_Encodedate);

void BM_DateBuild_Encodedatenull(benchmark::State& state) {
    const int32_t y = 2008, m = 2, d = 29;
    for (auto _ : state) consume(encodedatenull(&y, &m, &d));
}
BENCHMARK(BM_DateBuild_Encodedatenull);

void BM_DateBuild_Encodetimenull(benchmark::State& state) {
    const int32_t h = 23, m = 59, s = 59;
    for (auto _ : state) consume(encodetimenull(&h, &m, &s));
}
BENCHMARK(BM_DateBuild_Encodetimenull);

void BM_DateBuild_Encodetimestamp(benchmark::State& state) {
    const int32_t y = 2008, mo = 3, d = 5, h = 7, mi = 4, s = 9;
    for (auto _ : state) consume(encodetimestamp(&y, &mo, &d, &h, &mi, &s));
}
BENCHMARK(BM_DateBuild_Encodetimestamp);

void BM_DateBuild_Lastdaymonth(benchmark::State& state) {
    for (auto _ : state) consume(lastdaymonth(&kTs));
}
BENCHMARK(BM_DateBuild_Lastdaymonth);

void BM_DateBuild_Datetodouble(benchmark::State& state) {
    for (auto _ : state) consume(datetodouble(&kTs));
}
BENCHMARK(BM_DateBuild_Datetodouble);

void BM_DateBuild_Doubletodate(benchmark::State& state) {
    const double x = 54527.75;
    for (auto _ : state) consume(doubletodate(&x));
}
BENCHMARK(BM_DateBuild_Doubletodate);

// Argument: the number of days moved; the cost does not depend on it.
void BM_DateBuild_Incdate(benchmark::State& state) {
    const int32_t days = static_cast<int32_t>(state.range(0)), months = 1, years = 1;
    for (auto _ : state) consume(incdate(&kTs, &days, &months, &years));
}
BENCHMARK(BM_DateBuild_Incdate)->Arg(1)->Arg(2000000);

void BM_DateBuild_Incdatetime(benchmark::State& state) {
    const int32_t days = 40, months = -30, years = 2, h = 100, mi = -1000, s = 100000;
    for (auto _ : state) consume(incdatetime(&kTs, &days, &months, &years, &h, &mi, &s));
}
BENCHMARK(BM_DateBuild_Incdatetime);

void BM_DateBuild_Period2seconds(benchmark::State& state) {
    for (auto _ : state) consume(period2seconds("-12:23:59:59"));
}
BENCHMARK(BM_DateBuild_Period2seconds);

void BM_DateBuild_Seconds2period(benchmark::State& state) {
    const int32_t s = -2147483647 - 1;
    for (auto _ : state) consume(seconds2period(&s));
}
BENCHMARK(BM_DateBuild_Seconds2period);

void BM_DateBuild_Addperiod(benchmark::State& state) {
    for (auto _ : state) consume(addperiod("23:00:00", "1:02:00:00"));
}
BENCHMARK(BM_DateBuild_Addperiod);

// Argument: the year; the cost does not depend on it.
void BM_DateBuild_Osterdatum(benchmark::State& state) {
    const int32_t y = static_cast<int32_t>(state.range(0));
    for (auto _ : state) consume(osterdatum(&y));
}
BENCHMARK(BM_DateBuild_Osterdatum)->Arg(1583)->Arg(2008)->Arg(999999);

void BM_DateBuild_Fronleichnam(benchmark::State& state) {
    const int32_t y = 2008;
    for (auto _ : state) consume(fronleichnam(&y));
}
BENCHMARK(BM_DateBuild_Fronleichnam);

void BM_DateBuild_Kalenderwoche(benchmark::State& state) {
    for (auto _ : state) consume(kalenderwoche(&kTs));
}
BENCHMARK(BM_DateBuild_Kalenderwoche);

}  // namespace
