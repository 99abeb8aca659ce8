#include "utc_time.h"

#include <string>

#include "gtest/gtest.h"

namespace {

std::string formatted(uint32_t seconds) {
  std::tm utc = utcTimeOf(seconds);
  char text[81];
  size_t length = std::strftime(text, sizeof text, "%m/%d/%Y %H:%M:%SZ %a day %j", &utc);
  return std::string(text, length);
}

// The ends of the stamp's range, both sides of the 32-bit signed time_t's
// end, and the library's own version, against the dates `date -u` gives.
TEST(UtcTimeTest, WholeRangeOfTheStamp) {
  EXPECT_EQ(formatted(0), "01/01/1970 00:00:00Z Thu day 001");
  EXPECT_EQ(formatted(951782400), "02/29/2000 00:00:00Z Tue day 060");
  EXPECT_EQ(formatted(1228521600), "12/06/2008 00:00:00Z Sat day 341");
  EXPECT_EQ(formatted(2147483647), "01/19/2038 03:14:07Z Tue day 019");
  EXPECT_EQ(formatted(2147483648u), "01/19/2038 03:14:08Z Tue day 019");
  EXPECT_EQ(formatted(3000000000u), "01/24/2065 05:20:00Z Sat day 024");
  EXPECT_EQ(formatted(4294967295u), "02/07/2106 06:28:15Z Sun day 038");
}

}  // namespace
