// Date test support: timestamps built independently of the module (through std::chrono's
// civil calendar), and the entry points of the date functions.
#pragma once

#include <chrono>
#include <cstdint>

#include "frame/udf.h"
#include "support/blocks.h"

namespace brindle::test {

using frame::Timestamp;

// Days since 17 November 1858 of a proleptic Gregorian date.
inline int32_t civil_days(int y, unsigned m, unsigned d) {
    namespace c = std::chrono;
    const c::sys_days day{c::year{y} / c::month{m} / c::day{d}};
    const c::sys_days origin{c::year{1858} / c::November / c::day{17}};
    return static_cast<int32_t>((day - origin).count());
}

inline Timestamp at(int y, unsigned m, unsigned d, unsigned h = 0, unsigned mi = 0, unsigned s = 0,
                    unsigned frac = 0) {
    return {civil_days(y, m, d), ((h * 60 + mi) * 60 + s) * 10000 + frac};
}

}  // namespace brindle::test

using brindle::frame::Timestamp;
using TP = const Timestamp*;
using IP = const int32_t*;

extern "C" {
int32_t* year(TP);
int32_t* month(TP);
int32_t* quarter(TP);
int32_t* dayofmonth(TP);
int32_t* dayofyear(TP);
int32_t* r_yearday(TP);
int32_t* dayofweek(TP);
int32_t* r_weekday(TP);
int32_t* r_dow(TP);
int32_t* hour(TP);
int32_t* minute(TP);
int32_t* second(TP);
int32_t* millisecond(TP);
int32_t* isleapyear(TP);
int32_t* week(TP);
int32_t* weekofyear(TP);
int32_t* yearofyear(TP);
char* woy(TP);
char* woyiso(TP);
int32_t* r_isleapyear(IP);
int32_t* daysofmonth(IP, IP);
int32_t* lastday(IP, IP);
Timestamp* maxdate(TP, TP);
Timestamp* mindate(TP, TP);
int32_t* equaldate(TP, TP);
int32_t* equaldatetime(TP, TP);
Timestamp* striptime(TP);
Timestamp* stripdate(TP);

Timestamp* addyear(TP, IP);
Timestamp* addmonth(TP, IP);
Timestamp* addweek(TP, IP);
Timestamp* addday(TP, IP);
Timestamp* addhour(TP, IP);
Timestamp* addminute(TP, IP);
Timestamp* addsecond(TP, IP);

int32_t* ageinyears(TP, TP);
int32_t* ageinyearsnull(TP, TP);
int32_t* ageinyearsthreshold(TP, TP, IP, IP, IP, IP);
int32_t* ageinyearsthresholdnull(TP, TP, IP, IP, IP, IP);
int32_t* ageinmonths(TP, TP);
int32_t* ageinweeks(TP, TP);
int32_t* ageinweeksiso(TP, TP);
int32_t* ageinweeksnulliso(TP, TP);
int32_t* ageindays(TP, TP);
int32_t* ageindaysnull(TP, TP);
int32_t* ageinhours(TP, TP);
int32_t* ageinhoursnull(TP, TP);
int32_t* ageinminutes(TP, TP);
int32_t* ageinseconds(TP, TP);
int32_t* ageinsecondsnull(TP, TP);
int32_t* ageinsecondsthreshold(TP, TP, IP, IP, IP, IP);
int32_t* ageinsecondsthresholdnull(TP, TP, IP, IP, IP, IP);
double* zeitdifferenz(TP, TP, const char*);
int32_t* dtime(TP);
int32_t* countweekdays(TP, TP, IP);

int32_t* yearsbetween(TP, TP);
int32_t* monthsbetween(TP, TP);
int32_t* weeksbetween(TP, TP);
int32_t* weeksbetweeniso(TP, TP);
int32_t* daysbetween(TP, TP);
int32_t* hoursbetween(TP, TP);
int32_t* minutesbetween(TP, TP);
int32_t* secondsbetween(TP, TP);
}
