#include "attribute_text.h"

#include <cstdio>
#include <string>

#include "gtest/gtest.h"

namespace {

DelegateAttributes attributesOf(uint32_t typeCode, uint32_t m1, uint32_t m2, uint32_t m3,
                                uint32_t m4) {
  DelegateAttributes attributes;
  attributes.typeCode = typeCode;
  attributes.masks[0] = m1;
  attributes.masks[1] = m2;
  attributes.masks[2] = m3;
  attributes.masks[3] = m4;
  return attributes;
}

// The attribute text of the values: what a failing expectation shows.
std::string formatted(const DelegateAttributes& attributes) {
  char text[kAttributeTextSize];
  formatAttributeText(attributes, text);
  return text;
}

TEST(FormatAttributeText, PadsTypeCodeToFourAndMasksToEightUpperCaseDigits) {
  EXPECT_EQ(formatted(attributesOf(2, 0x0FFFFFFF, 0, 0, 0x0FFFFFF9)),
            "0002 0FFFFFFF 00000000 00000000 0FFFFFF9 ");
  EXPECT_EQ(formatted(attributesOf(0xabcdef, 1, 0x10, 0xA0, 0xFFFFFFFF)),
            "ABCDEF 00000001 00000010 000000A0 FFFFFFFF ");
  // The longest text there is fits its buffer whole.
  std::string longest =
      formatted(attributesOf(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF));
  EXPECT_EQ(longest, "FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF ");
  EXPECT_EQ(longest.size() + 1, kAttributeTextSize);
}

// The writer is hand-made; printf's conversions are what it must equal,
// at every width a type code can take.
TEST(FormatAttributeText, EqualsPrintfConversions) {
  uint32_t state = 12345;
  for (int i = 0; i < 2000; ++i) {
    uint32_t values[5];
    for (uint32_t& value : values) {
      state = state * 1664525u + 1013904223u;
      value = state >> (i % 32);  // every length of digits
    }
    char expected[kAttributeTextSize];
    std::snprintf(expected, sizeof expected, "%04lX %08lX %08lX %08lX %08lX ",
                  static_cast<unsigned long>(values[0]), static_cast<unsigned long>(values[1]),
                  static_cast<unsigned long>(values[2]), static_cast<unsigned long>(values[3]),
                  static_cast<unsigned long>(values[4]));
    ASSERT_EQ(formatted(attributesOf(values[0], values[1], values[2], values[3], values[4])),
              expected);
  }
}

TEST(ReadAttributeText, ReadsWhatTheWriterWrites) {
  const DelegateAttributes kSamples[] = {
      attributesOf(0, 0, 0, 0, 0),
      attributesOf(2, 0x0FFFFFFF, 0x0FFFFFFF, 0, 0x0FFFFFF9),
      attributesOf(0x12345, 0x80000000, 0x7FFFFFFF, 1, 0xFFFFFFFF),
  };
  for (const DelegateAttributes& sample : kSamples) {
    DelegateAttributes read;
    ASSERT_TRUE(readAttributeText(formatted(sample).c_str(), &read));
    EXPECT_EQ(formatted(read), formatted(sample));
  }
}

TEST(ReadAttributeText, AcceptsTheForms) {
  const DelegateAttributes kExpected = attributesOf(2, 0x0FFFFFFF, 0xABCDEF, 0, 0x10);
  const char* kTexts[] = {
      "0002 0FFFFFFF 00ABCDEF 00000000 00000010",
      "2 fffffff abcdef 0 10",                        // lower case, no leading zeros
      "0x2 0XFFFFFFF 0xabcdef 0x0 0x10",              // prefixes
      " \t2\t\tfffffff\n abcdef  +0 +10",             // any white space, plus signs
      "2 FFFFFFF ABCDEF 0 10 and anything after it",  // text after the fifth is not examined
      "2 FFFFFFF ABCDEF 0 10garbage",
      "0000000002 10FFFFFFF 00ABCDEF 100000000 10",  // of more digits the last eight count
  };
  for (const char* text : kTexts) {
    DelegateAttributes read;
    ASSERT_TRUE(readAttributeText(text, &read)) << text;
    EXPECT_EQ(formatted(read), formatted(kExpected)) << text;
  }
}

TEST(ReadAttributeText, MinusNegatesModulo2To32) {
  DelegateAttributes read;
  ASSERT_TRUE(readAttributeText("-1 -0x10 -0 -80000000 -FFFFFFFF", &read));
  EXPECT_EQ(formatted(read), formatted(attributesOf(0xFFFFFFFF, 0xFFFFFFF0, 0, 0x80000000, 1)));
}

TEST(ReadAttributeText, ZeroXWithoutDigitsReadsAsZero) {
  DelegateAttributes read;
  // "0x0x" is the number 0x0 followed by an "x" that is no number: only
  // four numbers are found.
  EXPECT_FALSE(readAttributeText("0x 0X 0x0x 1", &read));
  ASSERT_TRUE(readAttributeText("0x 0X 0 1 2", &read));
  EXPECT_EQ(formatted(read), formatted(attributesOf(0, 0, 0, 1, 2)));
}

TEST(ReadAttributeText, NeedsAllFiveNumbers) {
  const DelegateAttributes kUntouched = attributesOf(7, 7, 7, 7, 7);
  const char* kTexts[] = {
      "",
      "   ",
      "0002 0FFFFFFF 00000000 00000000",
      "0002 0FFFFFFF 00000000 00000000 zed",  // a word where the fifth should be
      "0002 0FFFFFFF 00000000 00000000 -",
      "0002 0FFFFFFF 00000000 00000000 +x1",
      "0002,0FFFFFFF,00000000,00000000,00000000",
      "0002 0FFFFFFFg 00000000 00000000 00000000",
  };
  for (const char* text : kTexts) {
    DelegateAttributes read = kUntouched;
    EXPECT_FALSE(readAttributeText(text, &read)) << text;
    EXPECT_EQ(formatted(read), formatted(kUntouched)) << text;
  }
}

// A word that begins with hexadecimal digits is a number to "%x": where a
// mask is missing, such a word stands in for it.
TEST(ReadAttributeText, AWordBeginningWithHexDigitsIsANumber) {
  const char* text = "0002 0FFFFFFF 00000000 00000000 alice bob";
  DelegateAttributes read;
  const char* rest = scanAttributeText(text, &read);
  ASSERT_NE(rest, nullptr);
  EXPECT_STREQ(rest, "lice bob");
  EXPECT_EQ(read.masks[3], 0xAu);
}

}  // namespace
