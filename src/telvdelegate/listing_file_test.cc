#include "listing_file.h"

#include <string>

#include "gtest/gtest.h"

namespace {

TEST(IsListingHeader, AcceptsFormatOneInItsVariants) {
  EXPECT_TRUE(isListingHeader("FORMAT 1"));
  EXPECT_TRUE(isListingHeader("FORMAT 1 written by a later release"));
  EXPECT_TRUE(isListingHeader("FORMAT 1x"));
  EXPECT_TRUE(isListingHeader("FORMAT  01"));
  EXPECT_TRUE(isListingHeader("FORMAT +1"));
  EXPECT_TRUE(isListingHeader("FORMAT1"));
  EXPECT_TRUE(isListingHeader("FORMAT\t1"));
  EXPECT_TRUE(isListingHeader("FORMAT 0000000000000000000001"));
}

TEST(IsListingHeader, RejectsEverythingElse) {
  EXPECT_FALSE(isListingHeader(""));
  EXPECT_FALSE(isListingHeader("FORMAT"));
  EXPECT_FALSE(isListingHeader("FORMAT "));
  EXPECT_FALSE(isListingHeader("FORMAT 2"));
  EXPECT_FALSE(isListingHeader("FORMAT 0"));
  EXPECT_FALSE(isListingHeader("FORMAT -1"));
  EXPECT_FALSE(isListingHeader("FORMAT x1"));
  EXPECT_FALSE(isListingHeader("FORMAT +"));
  EXPECT_FALSE(isListingHeader("format 1"));
  EXPECT_FALSE(isListingHeader("Format 1"));
  EXPECT_FALSE(isListingHeader(" FORMAT 1"));
  EXPECT_FALSE(isListingHeader("FORMATS 1"));
  EXPECT_FALSE(isListingHeader("0002 0FFFFFFF 00000000 00000000 00000000 alice bob"));
  // Numbers that only a 32-bit wrap would turn into 1.
  EXPECT_FALSE(isListingHeader("FORMAT 4294967297"));
  EXPECT_FALSE(isListingHeader("FORMAT -4294967295"));
  EXPECT_FALSE(isListingHeader("FORMAT 18446744073709551617"));
}

// The lines as a load reads them, their length counted by the reader.
bool blankOrComment(const std::string& line) {
  return isBlankOrComment(line.c_str(), line.size());
}

TEST(IsBlankOrComment, BlanksAreSkippedButTabsAreNot) {
  EXPECT_TRUE(blankOrComment(""));
  EXPECT_TRUE(blankOrComment("    "));
  EXPECT_TRUE(blankOrComment("# a comment"));
  EXPECT_TRUE(blankOrComment("   #"));
  EXPECT_TRUE(blankOrComment("; another"));
  EXPECT_TRUE(blankOrComment("  ;0002 0FFFFFFF 00000000 00000000 00000000 alice bob"));
  EXPECT_FALSE(blankOrComment("\t"));
  EXPECT_FALSE(blankOrComment("\t#"));
  EXPECT_FALSE(blankOrComment(" \t;"));
  EXPECT_FALSE(blankOrComment("0002 0FFFFFFF 00000000 00000000 00000000 alice bob"));

  ListingLine line;
  EXPECT_FALSE(scanListingLine("\t", &line));
  EXPECT_FALSE(scanListingLine("\t#", &line));
}

TEST(IsBlankOrComment, ANulByteIsNoLineEnd) {
  using std::string_literals::operator""s;
  EXPECT_FALSE(blankOrComment("\0"s));
  EXPECT_FALSE(blankOrComment("  \0 0002 0FFFFFFF 00000000 00000000 00000000 alice bob"s));
  EXPECT_TRUE(blankOrComment("# a \0 in a comment"s));
}

// The line's fields as one text, so a failing expectation shows them all.
std::string fieldsOf(const ListingLine& line) {
  char text[kAttributeTextSize];
  formatAttributeText(line.attributes, text);
  return std::string(text) + "[" + line.delegator + "] [" + line.delegate + "]";
}

TEST(ScanListingLine, ReadsWrittenLinesWithOrWithoutTheRepeatMark) {
  const char* kLines[] = {
      "0002 0FFFFFFF 00000000 00000000 0FFFFFF9 Alice bob.smith",
      "0002 0FFFFFFF 00000000 00000000 0FFFFFF9 Alice bob.smith *",
      "   2 fffffff 0 0 0xFFFFFF9 Alice bob.smith   trailing words",
      "2\t0FFFFFFF\t0\t0\t0FFFFFF9\tAlice\t\tbob.smith",
  };
  for (const char* text : kLines) {
    ListingLine line;
    ASSERT_TRUE(scanListingLine(text, &line)) << text;
    EXPECT_EQ(fieldsOf(line), "0002 0FFFFFFF 00000000 00000000 0FFFFFF9 [Alice] [bob.smith]")
        << text;
  }
}

TEST(ScanListingLine, NeedsAllSevenFields) {
  const char* kLines[] = {
      "0002 0FFFFFFF 00000000 00000000 00000000 alice",
      "0002 0FFFFFFF 00000000 00000000 00000000 alice   ",
      "0002 0FFFFFFF 00000000 00000000 00000000",
      "0002 0FFFFFFF 00000000 00000000 zed bob",
      "alice bob",
      "FORMAT 1",
  };
  for (const char* text : kLines) {
    ListingLine line;
    EXPECT_FALSE(scanListingLine(text, &line)) << text;
  }
}

TEST(ScanListingLine, AWordOver80CharactersRunsIntoTheNextField) {
  std::string word80(80, 'd');
  std::string text = "0002 0 0 0 0 " + word80 + " bob";
  ListingLine line;
  ASSERT_TRUE(scanListingLine(text.c_str(), &line));
  EXPECT_EQ(line.delegator, word80);
  EXPECT_STREQ(line.delegate, "bob");

  // Eighty characters form the delegator, the other twenty the delegate;
  // "bob" is left over.
  text = "0002 0 0 0 0 " + word80 + std::string(20, 'e') + " bob";
  ASSERT_TRUE(scanListingLine(text.c_str(), &line));
  EXPECT_EQ(line.delegator, word80);
  EXPECT_EQ(line.delegate, std::string(20, 'e'));

  // A single word of 81 characters gives both fields.
  text = "0002 0 0 0 0 " + word80 + "x";
  ASSERT_TRUE(scanListingLine(text.c_str(), &line));
  EXPECT_EQ(line.delegator, word80);
  EXPECT_STREQ(line.delegate, "x");

  text = "0002 0 0 0 0 " + std::string(200, 'z');
  ASSERT_TRUE(scanListingLine(text.c_str(), &line));
  EXPECT_EQ(line.delegate, std::string(80, 'z'));
}

}  // namespace
