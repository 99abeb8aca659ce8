#include <stdio.h>

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "line_reader.h"
#include "listing_file.h"

namespace {

// Reads every line of the bytes, as a load does, checking that each count
// returned is the length of the line stored. With `mark`, the lines a load
// ignores begin with "~".
std::vector<std::string> readLines(const std::string& bytes, int capacity, bool mark = false) {
  std::string content = bytes;
  FILE* input = fmemopen(&content[0], content.size(), "r");
  EXPECT_NE(input, nullptr);
  static LineReader reader;
  startLineReader(&reader, input);
  std::vector<std::string> lines;
  std::vector<char> buffer(capacity + 1, 'x');
  for (;;) {
    LineShape shape;
    int stored = readLine(&reader, buffer.data(), capacity, &shape);
    if (stored < 0) {
      EXPECT_EQ(buffer[0], '\0');
      break;
    }
    EXPECT_LE(stored, capacity);
    EXPECT_EQ(buffer[stored], '\0');
    lines.push_back((mark && shape.blankOrComment ? "~" : "") + std::string(buffer.data(), stored));
    if (lines.size() > bytes.size() + 1) {
      ADD_FAILURE() << "more lines than bytes";
      break;
    }
  }
  EXPECT_EQ(reader.error, 0);
  fclose(input);
  return lines;
}

using Lines = std::vector<std::string>;

TEST(ReadLine, EveryLineEndFormEndsOneLine) {
  EXPECT_EQ(readLines("a\nb\n", 10), (Lines{"a", "b"}));
  EXPECT_EQ(readLines("a\r\nb\r\n", 10), (Lines{"a", "b"}));
  EXPECT_EQ(readLines("a\rb\r", 10), (Lines{"a", "b"}));
  EXPECT_EQ(readLines("a\r\nb\rc\nd", 10), (Lines{"a", "b", "c", "d"}));
}

TEST(ReadLine, EmptyLinesAreLinesButNoneFollowsTheLastLineEnd) {
  EXPECT_EQ(readLines("", 10), Lines{});
  EXPECT_EQ(readLines("\n", 10), Lines{""});
  EXPECT_EQ(readLines("\r\n", 10), Lines{""});
  EXPECT_EQ(readLines("\r", 10), Lines{""});
  EXPECT_EQ(readLines("a\n\nb", 10), (Lines{"a", "", "b"}));
  // A line feed then a carriage return are two line ends, as are two
  // returns: only return-then-feed pairs up.
  EXPECT_EQ(readLines("a\n\rb", 10), (Lines{"a", "", "b"}));
  EXPECT_EQ(readLines("a\r\rb", 10), (Lines{"a", "", "b"}));
  EXPECT_EQ(readLines("a\r\r\n", 10), (Lines{"a", ""}));
  EXPECT_EQ(readLines("last line without an end", 30), Lines{"last line without an end"});
}

TEST(ReadLine, CutsLongLinesAndDropsTheirRest) {
  EXPECT_EQ(readLines("abcd\nefghij\r\nk", 4), (Lines{"abcd", "efgh", "k"}));
  EXPECT_EQ(readLines("abcdefgh\r", 4), Lines{"abcd"});

  std::string exact(kListingLineLength, 'x');
  std::string over(kListingLineLength + 1, 'y');
  std::string megabyte(1 << 20, 'z');
  EXPECT_EQ(readLines(exact + "\n" + over + "\n" + megabyte + "\r\nend", kListingLineLength),
            (Lines{exact, std::string(kListingLineLength, 'y'),
                   std::string(kListingLineLength, 'z'), "end"}));
}

TEST(ReadLine, KeepsNulBytesAndCountsThem) {
  EXPECT_EQ(readLines(std::string("a\0b\n\0\n", 6), 10),
            (Lines{std::string("a\0b", 3), std::string(1, '\0')}));
}

TEST(ReadLine, JoinsLinesAndLineEndsAcrossBlocks) {
  std::string before(sizeof(LineReader::block) - 1, 'a');
  EXPECT_EQ(readLines(before + "\r\nb", 10), (Lines{"aaaaaaaaaa", "b"}));
  EXPECT_EQ(readLines("c\n" + before + "d\re", 10), (Lines{"c", "aaaaaaaaaa", "e"}));
}

TEST(ReadLine, IgnoresBlankAndCommentLinesByTheWholeLine) {
  EXPECT_EQ(readLines("  \n  # x\n ;\n\t\n a\n", 10, true),
            (Lines{"~  ", "~  # x", "~ ;", "\t", " a"}));
  // Past the cut: a mark decides, blanks leave the line blank.
  EXPECT_EQ(readLines(std::string("    #\n    a\n      \n  a #\n    \0", 30), 2, true),
            (Lines{"~  ", "  ", "~  ", "  ", "  "}));
}

}  // namespace
