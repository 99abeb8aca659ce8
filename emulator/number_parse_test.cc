#include "number_parse.h"

#include "gtest/gtest.h"

namespace {

TEST(NumberParseTest, CodesAreDecimalPossiblyNegativeOrHex) {
  uint32_t code = 0;
  ASSERT_TRUE(parseCode("42", &code));
  EXPECT_EQ(code, 42u);
  ASSERT_TRUE(parseCode("-17", &code));
  EXPECT_EQ(code, 0xFFFFFFEFu);
  ASSERT_TRUE(parseCode("-4294967295", &code));
  EXPECT_EQ(code, 1u);
  ASSERT_TRUE(parseCode("4294967295", &code));
  EXPECT_EQ(code, 0xFFFFFFFFu);
  ASSERT_TRUE(parseCode("0x2711", &code));
  EXPECT_EQ(code, 0x2711u);
  ASSERT_TRUE(parseCode("0XffffFFFF", &code));
  EXPECT_EQ(code, 0xFFFFFFFFu);
}

TEST(NumberParseTest, MalformedCodesAreRefused) {
  uint32_t code = 5;
  for (const char* text : {"", "-", "0x", "x1", "4294967296", "0x100000000", "12a", " 1", "1 ",
                           "+1", "--1", "-0x1", "0x-1"}) {
    EXPECT_FALSE(parseCode(text, &code)) << text;
  }
  EXPECT_EQ(code, 5u);
}

TEST(NumberParseTest, HexValuesTakeUpToEightDigitsWithOrWithoutPrefix) {
  uint32_t value = 0;
  ASSERT_TRUE(parseHex32("0FFFFFF9", &value));
  EXPECT_EQ(value, 0x0FFFFFF9u);
  ASSERT_TRUE(parseHex32("0x0002", &value));
  EXPECT_EQ(value, 2u);
  ASSERT_TRUE(parseHex32("10", &value));
  EXPECT_EQ(value, 16u);
  EXPECT_FALSE(parseHex32("123456789", &value));
  EXPECT_FALSE(parseHex32("", &value));
  EXPECT_FALSE(parseHex32("g", &value));
  EXPECT_FALSE(parseHex32("-1", &value));
}

TEST(NumberParseTest, UnsignedAndDecimalRefuseSignsAndOverflow) {
  uint32_t value = 0;
  ASSERT_TRUE(parseUnsigned32("4294967295", &value));
  EXPECT_EQ(value, 4294967295u);
  ASSERT_TRUE(parseUnsigned32("0x10", &value));
  EXPECT_EQ(value, 16u);
  EXPECT_FALSE(parseUnsigned32("4294967296", &value));
  EXPECT_FALSE(parseUnsigned32("-1", &value));
  uint64_t wide = 0;
  ASSERT_TRUE(parseDecimal("18446744073709551615", &wide));
  EXPECT_EQ(wide, UINT64_MAX);
  EXPECT_FALSE(parseDecimal("18446744073709551616", &wide));
  EXPECT_FALSE(parseDecimal("0x1", &wide));
}

}  // namespace
