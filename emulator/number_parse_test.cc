#include "number_parse.h"

#include "gtest/gtest.h"

namespace {

TEST(NumberParseTest, CodesAreDecimalPossiblyNegativeOrHex) {
  uint32_t code = 0;
  ASSERT_TRUE(ParseCode("42", &code));
  EXPECT_EQ(code, 42u);
  ASSERT_TRUE(ParseCode("-17", &code));
  EXPECT_EQ(code, 0xFFFFFFEFu);
  ASSERT_TRUE(ParseCode("-4294967295", &code));
  EXPECT_EQ(code, 1u);
  ASSERT_TRUE(ParseCode("4294967295", &code));
  EXPECT_EQ(code, 0xFFFFFFFFu);
  ASSERT_TRUE(ParseCode("0x2711", &code));
  EXPECT_EQ(code, 0x2711u);
  ASSERT_TRUE(ParseCode("0XffffFFFF", &code));
  EXPECT_EQ(code, 0xFFFFFFFFu);
}

TEST(NumberParseTest, MalformedCodesAreRefused) {
  uint32_t code = 5;
  for (const char* text : {"", "-", "0x", "x1", "4294967296", "0x100000000", "12a", " 1", "1 ",
                           "+1", "--1", "-0x1", "0x-1"}) {
    EXPECT_FALSE(ParseCode(text, &code)) << text;
  }
  EXPECT_EQ(code, 5u);
}

TEST(NumberParseTest, HexValuesTakeUpToEightDigitsWithOrWithoutPrefix) {
  uint32_t value = 0;
  ASSERT_TRUE(ParseHex32("0FFFFFF9", &value));
  EXPECT_EQ(value, 0x0FFFFFF9u);
  ASSERT_TRUE(ParseHex32("0x0002", &value));
  EXPECT_EQ(value, 2u);
  ASSERT_TRUE(ParseHex32("10", &value));
  EXPECT_EQ(value, 16u);
  EXPECT_FALSE(ParseHex32("123456789", &value));
  EXPECT_FALSE(ParseHex32("", &value));
  EXPECT_FALSE(ParseHex32("g", &value));
  EXPECT_FALSE(ParseHex32("-1", &value));
}

TEST(NumberParseTest, UnsignedAndDecimalRefuseSignsAndOverflow) {
  uint32_t value = 0;
  ASSERT_TRUE(ParseUnsigned32("4294967295", &value));
  EXPECT_EQ(value, 4294967295u);
  ASSERT_TRUE(ParseUnsigned32("0x10", &value));
  EXPECT_EQ(value, 16u);
  EXPECT_FALSE(ParseUnsigned32("4294967296", &value));
  EXPECT_FALSE(ParseUnsigned32("-1", &value));
  uint64_t wide = 0;
  ASSERT_TRUE(ParseDecimal("18446744073709551615", &wide));
  EXPECT_EQ(wide, UINT64_MAX);
  EXPECT_FALSE(ParseDecimal("18446744073709551616", &wide));
  EXPECT_FALSE(ParseDecimal("0x1", &wide));
}

}  // namespace
