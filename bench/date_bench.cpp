// Cost per call of the date functions. The calendar works in constant time: a day count in
// 9999 costs what one in 1901 costs, and adding 24855 days what adding one day costs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

#include "date/calendar.h"

using brindle::frame::Timestamp;
using TP = const Timestamp*;
using IP = const int32_t*;

extern "C" {
int32_t* year(TP);
int32_t* weekofyear(TP);
char* woyiso(TP);
Timestamp* stripdate(TP);
Timestamp* addmonth(TP, IP);
Timestamp* addday(TP, IP);
int32_t* ageindays(TP, TP);
int32_t* ageinseconds(TP, TP);
int32_t* ageinyearsthresholdnull(TP, TP, IP, IP, IP, IP);
double* zeitdifferenz(TP, TP, const char*);
int32_t* countweekdays(TP, TP, IP);
int32_t* secondsbetween(TP, TP);
}

namespace {

Timestamp at(int32_t y, int32_t m, int32_t d, int32_t h = 0) {
    brindle::date::Tm t;
    t.tm_year = y - 1900;
    t.tm_mon = m - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    return brindle::date::encode_timestamp(t);
}

template <typename R, typename... A>
void run(benchmark::State& state, R* (*f)(A...), A... args) {
    for (auto _ : state) {
        R* r = f(args...);
        benchmark::DoNotOptimize(r);
        std::free(r);
    }
}

const Timestamp k1901a = at(1901, 2, 3, 4), k1901b = at(1901, 11, 30, 22);
const Timestamp k9999a = at(9999, 2, 3, 4), k9999b = at(9999, 11, 30, 22);
const Timestamp k2008 = at(2008, 3, 16, 13);
const int32_t kOne = 1, kMaxDays = 24855, kZero = 0, kTwelve = 12;

void BM_DateParts_Year(benchmark::State& s) { run(s, year, &k2008); }
void BM_DateParts_WeekOfYear(benchmark::State& s) { run(s, weekofyear, &k2008); }
void BM_DateParts_WoyIso(benchmark::State& s) { run(s, woyiso, &k2008); }
void BM_DateParts_StripDate(benchmark::State& s) { run(s, stripdate, &k2008); }
void BM_DateAdd_Month(benchmark::State& s) { run(s, addmonth, &k2008, &kTwelve); }
void BM_DateAdd_Day1(benchmark::State& s) { run(s, addday, &k2008, &kOne); }
void BM_DateAdd_Day24855(benchmark::State& s) { run(s, addday, &k2008, &kMaxDays); }
void BM_DateAges_Days1901(benchmark::State& s) { run(s, ageindays, &k1901a, &k1901b); }
void BM_DateAges_Days9999(benchmark::State& s) { run(s, ageindays, &k9999a, &k9999b); }
void BM_DateAges_Seconds(benchmark::State& s) { run(s, ageinseconds, &k1901a, &k2008); }
void BM_DateAges_YearsThresholdNull(benchmark::State& s) {
    run(s, ageinyearsthresholdnull, &k1901a, &k2008, &kZero, &kOne, &kTwelve, &kOne);
}
void BM_DateAges_Zeitdifferenz(benchmark::State& s) { run(s, zeitdifferenz, &k2008, &k1901a, "h"); }
void BM_DateAges_CountWeekdays(benchmark::State& s) { run(s, countweekdays, &k1901a, &k9999b, &kOne); }
void BM_DateDifferences_Seconds(benchmark::State& s) { run(s, secondsbetween, &k2008, &k1901a); }

}  // namespace

BENCHMARK(BM_DateParts_Year);
BENCHMARK(BM_DateParts_WeekOfYear);
BENCHMARK(BM_DateParts_WoyIso);
BENCHMARK(BM_DateParts_StripDate);
BENCHMARK(BM_DateAdd_Month);
BENCHMARK(BM_DateAdd_Day1);
BENCHMARK(BM_DateAdd_Day24855);
BENCHMARK(BM_DateAges_Days1901);
BENCHMARK(BM_DateAges_Days9999);
BENCHMARK(BM_DateAges_Seconds);
BENCHMARK(BM_DateAges_YearsThresholdNull);
BENCHMARK(BM_DateAges_Zeitdifferenz);
BENCHMARK(BM_DateAges_CountWeekdays);
BENCHMARK(BM_DateDifferences_Seconds);
