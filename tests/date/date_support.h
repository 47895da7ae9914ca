// Date test support: timestamps built independently of the module (std::chrono's civil
// calendar), the C library's tm of a decoded record, and the date entry points.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <random>
#include <string>

#include "date/calendar.h"
#include "support/blocks.h"

namespace brindle::test {

using frame::Timestamp;

inline int32_t civil_days(int y, unsigned m, unsigned d) {  // days since 17 November 1858
    namespace c = std::chrono;
    return int32_t((c::sys_days{c::year{y} / int(m) / int(d)} - c::sys_days{c::year{1858} / 11 / 17}).count());
}

inline Timestamp at(int y, unsigned m, unsigned d, unsigned h = 0, unsigned mi = 0, unsigned s = 0, unsigned frac = 0) {
    return {civil_days(y, m, d), ((h * 60 + mi) * 60 + s) * 10000 + frac};
}

// The record has the nine ints of the C library's tm, in the same order.
static_assert(offsetof(::tm, tm_isdst) == offsetof(date::Tm, tm_isdst));
inline ::tm to_c(const date::Tm& t) {
    ::tm c{};
    std::memcpy(&c, &t, sizeof t);
    return c;
}

}  // namespace brindle::test

using namespace brindle::test;
using brindle::frame::Timestamp;
using TP = const Timestamp*;
using IP = const int32_t*;
using CP = const char*;
using DP = const double*;

extern "C" {
int32_t *year(TP), *month(TP), *quarter(TP), *dayofmonth(TP), *dayofyear(TP), *r_yearday(TP), *dayofweek(TP),
    *r_weekday(TP), *r_dow(TP), *hour(TP), *minute(TP), *second(TP), *millisecond(TP), *isleapyear(TP), *week(TP),
    *weekofyear(TP), *yearofyear(TP), *kalenderwoche(TP), *r_isleapyear(IP), *daysofmonth(IP, IP), *lastday(IP, IP),
    *equaldate(TP, TP), *equaldatetime(TP, TP);
Timestamp *maxdate(TP, TP), *mindate(TP, TP), *striptime(TP), *stripdate(TP), *osterdatum(IP), *weiberfastnacht(IP),
    *rosenmontag(IP), *karnevalsdienstag(IP), *aschermittwoch(IP), *palmsonntag(IP), *gruendonnerstag(IP),
    *karfreitag(IP), *ostersamstag(IP), *ostermontag(IP), *himmelfahrt(IP), *pfingstsonntag(IP), *pfingstmontag(IP),
    *fronleichnam(IP);
Timestamp *addyear(TP, IP), *addmonth(TP, IP), *addweek(TP, IP), *addday(TP, IP), *addhour(TP, IP),
    *addminute(TP, IP), *addsecond(TP, IP), *firstdaymonth(TP), *lastdaymonth(TP), *doubletodate(DP),
    *doubletotime(DP), *r_encodedate(IP, IP, IP), *encodetimestamp(IP, IP, IP, IP, IP, IP),
    *r_encodedatetime(IP, IP, IP, IP, IP, IP), *incdate(TP, IP, IP, IP), *incdatetime(TP, IP, IP, IP, IP, IP, IP);
int32_t *encodedate(IP, IP, IP), *encodedatenull(IP, IP, IP);
uint32_t *encodetime(IP, IP, IP), *encodetimenull(IP, IP, IP), *strtotime(CP);
double *timetodouble(TP), *datetodouble(TP), *zeitdifferenz(TP, TP, CP);
int32_t *ageinyears(TP, TP), *ageinyearsnull(TP, TP), *ageinmonths(TP, TP), *ageinweeks(TP, TP),
    *ageinweeksiso(TP, TP), *ageinweeksnulliso(TP, TP), *ageindays(TP, TP), *ageinhours(TP, TP),
    *ageinhoursnull(TP, TP), *ageinminutes(TP, TP), *ageinseconds(TP, TP), *ageinsecondsnull(TP, TP),
    *ageinyearsthreshold(TP, TP, IP, IP, IP, IP), *ageinyearsthresholdnull(TP, TP, IP, IP, IP, IP),
    *ageinsecondsthreshold(TP, TP, IP, IP, IP, IP), *ageinsecondsthresholdnull(TP, TP, IP, IP, IP, IP),
    *yearsbetween(TP, TP), *monthsbetween(TP, TP), *weeksbetween(TP, TP), *weeksbetweeniso(TP, TP),
    *daysbetween(TP, TP), *hoursbetween(TP, TP), *minutesbetween(TP, TP), *secondsbetween(TP, TP), *dtime(TP),
    *countweekdays(TP, TP, IP);
int32_t decode_language(CP);
int32_t *period2seconds(CP);
char *cdowlong(TP), *cdowshort(TP), *cmonthlong(TP), *cmonthshort(TP), *cdowlonglang(TP, CP), *cdowshortlang(TP, CP),
    *cmonthlonglang(TP, CP), *cmonthshortlang(TP, CP), *woy(TP), *woyiso(TP), *datetostr(TP, CP),
    *datetostrlang(TP, CP, CP), *gformatd(CP, TP), *addperiod(CP, CP), *subperiod(CP, CP), *seconds2period(IP);
}

