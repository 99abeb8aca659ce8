#include "progress.h"

#include <cstdio>
#include <string>

#include "gtest/gtest.h"

namespace {

using std::chrono::milliseconds;

TEST(ProgressTest, CountsAreGroupedByThousands) {
  char line[80];
  formatProgress(line, sizeof(line), "Removing delegates", 35000, 100000, nullptr);
  EXPECT_EQ(std::string(line), "Removing delegates: 35,000 of 100,000");
  formatProgress(line, sizeof(line), "Loading", 999, 0, "lines");
  EXPECT_EQ(std::string(line), "Loading: 999 lines");
  formatProgress(line, sizeof(line), "L", UINT64_MAX, 1000, "bytes");
  EXPECT_EQ(std::string(line), "L: 18,446,744,073,709,551,615 of 1,000 bytes");
}

// What the stream holds so far.
std::string written(std::FILE* stream) {
  std::string text(static_cast<size_t>(std::ftell(stream)), '\0');
  std::rewind(stream);
  EXPECT_EQ(std::fread(&text[0], 1, text.size(), stream), text.size());
  std::fseek(stream, 0, SEEK_END);  // a write may follow a read only after a seek
  return text;
}

TEST(ProgressTest, AppearsAfterASecondIsRewrittenInPlaceAndCleared) {
  std::FILE* stream = std::tmpfile();
  std::FILE* file = std::tmpfile();
  ASSERT_TRUE(stream != nullptr && file != nullptr);
  // An hour ahead, so that the real clock that advance() reads never
  // makes the line due: only the ticks below do.
  Progress::Clock::time_point start = Progress::Clock::now() + std::chrono::hours(1);
  {
    Progress progress;
    progress.startOn(stream, start, "Adding", 12000, nullptr);
    for (int i = 0; i < 10500; ++i) {
      progress.advance();
    }
    progress.tick(start + milliseconds(999));
    EXPECT_EQ(written(stream), "");
    progress.tick(start + milliseconds(1000));
    progress.advance();
    progress.tick(start + milliseconds(1249));
    EXPECT_EQ(written(stream), "\rAdding: 10,500 of 12,000");
    // A file counts by its reader's position; blanks cover the longer
    // line before.
    std::fputs("FORMAT 1\n0002 0 0 0 0 a b\n", file);
    std::fflush(file);
    progress.trackFile(file);
    progress.advanceInFile(9);
    progress.tick(start + milliseconds(1250));
  }
  EXPECT_EQ(written(stream), "\rAdding: 10,500 of 12,000\rAdding: 9 of 26 bytes" +
                                 std::string(3, ' ') + "\r" + std::string(21, ' ') + "\r");
  std::fclose(file);
  std::fclose(stream);
}

}  // namespace
