// The client library's version stamp as a calendar time.
//
// The stamp is an unsigned 32-bit count of seconds since 1970-01-01
// 00:00:00 UTC, which reaches into 2106. The C library's own conversion
// takes a time_t, which is 32 bits and signed on some Windows builds and so
// stops in 2038; this one covers the stamp's whole range on every build.
#ifndef TELVPROGRAM_UTC_TIME_H_
#define TELVPROGRAM_UTC_TIME_H_

#include <stdint.h>

#include <ctime>

// The UTC calendar time of the stamp, with the fields strftime reads for
// dates and times (year, month, day, weekday, day of the year, hour,
// minute, second); no daylight saving time.
std::tm utcTimeOf(uint32_t secondsSinceEpoch);

#endif  // TELVPROGRAM_UTC_TIME_H_
