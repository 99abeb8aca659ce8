#include "utc_time.h"

namespace {

const int64_t kSecondsPerDay = 86400;
// 1970-01-01 was a Thursday (tm_wday 4).
const int kEpochWeekday = 4;

bool isLeapYear(int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

std::tm utcTimeOf(uint32_t secondsSinceEpoch) {
  const int64_t days = secondsSinceEpoch / kSecondsPerDay;
  const int64_t secondOfDay = secondsSinceEpoch % kSecondsPerDay;

  // The civil date of a day count, in years that begin on March 1, so that
  // the leap day comes last: 400-year eras of 146097 days, years of 365
  // days plus the leap days before them, months of 153 days per five.
  const int64_t shifted = days + 719468;  // days from 0000-03-01
  const int64_t era = shifted / 146097;
  const int64_t dayOfEra = shifted - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  const int64_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
  const int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

  static const int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  std::tm utc = {};
  utc.tm_year = static_cast<int>(year - 1900);
  utc.tm_mon = static_cast<int>(month - 1);
  utc.tm_mday = static_cast<int>(day);
  utc.tm_hour = static_cast<int>(secondOfDay / 3600);
  utc.tm_min = static_cast<int>(secondOfDay / 60 % 60);
  utc.tm_sec = static_cast<int>(secondOfDay % 60);
  utc.tm_wday = static_cast<int>((days + kEpochWeekday) % 7);
  utc.tm_yday = kDaysBeforeMonth[month - 1] + static_cast<int>(day) - 1 +
                (month > 2 && isLeapYear(year) ? 1 : 0);
  utc.tm_isdst = 0;
  return utc;
}
