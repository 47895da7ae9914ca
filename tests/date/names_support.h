// A TIMESTAMP from its calendar fields, for the date tests.
#pragma once

#include "date/calendar.h"

namespace brindle::test {

inline frame::Timestamp at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    date::Tm tm;
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    return date::encode_timestamp(tm);
}

}  // namespace brindle::test
