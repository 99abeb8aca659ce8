#include "progress.h"

#include <cstdio>
#include <string>

#include "gtest/gtest.h"

namespace {

std::string format(uint64_t done, uint64_t total, const char* unit = nullptr) {
  char buffer[80];
  int length = formatProgress(buffer, sizeof(buffer), "Removing delegates", done, total, unit);
  EXPECT_EQ(length, static_cast<int>(std::string(buffer).size()));
  return buffer;
}

TEST(ProgressTest, CountsAreGroupedByThousands) {
  EXPECT_EQ(format(0, 0), "Removing delegates: 0");
  EXPECT_EQ(format(999, 1000), "Removing delegates: 999 of 1,000");
  EXPECT_EQ(format(35000, 100000), "Removing delegates: 35,000 of 100,000");
  EXPECT_EQ(format(1234567, 0, "lines"), "Removing delegates: 1,234,567 lines");
  EXPECT_EQ(format(UINT64_MAX, 12, "bytes"),
            "Removing delegates: 18,446,744,073,709,551,615 of 12 bytes");
}

TEST(ProgressTest, LongLinesAreCutToTheBuffer) {
  char buffer[12];
  EXPECT_EQ(formatProgress(buffer, sizeof(buffer), "Loading delegates", 5, 9, nullptr), 11);
  EXPECT_EQ(std::string(buffer), "Loading del");
}

// What the stream holds so far.
std::string written(std::FILE* stream) {
  std::fflush(stream);
  long size = std::ftell(stream);
  std::rewind(stream);
  std::string text(static_cast<size_t>(size), '\0');
  EXPECT_EQ(std::fread(&text[0], 1, text.size(), stream), text.size());
  std::fseek(stream, 0, SEEK_END);  // a write may follow a read only after a seek
  return text;
}

TEST(ProgressTest, AppearsAfterASecondIsRewrittenInPlaceAndCleared) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  using std::chrono::milliseconds;
  // An hour ahead, so that the real clock that advance() reads never
  // makes the line due: only the ticks below do.
  Progress::Clock::time_point start = Progress::Clock::now() + std::chrono::hours(1);
  {
    Progress progress;
    progress.startOn(stream, start, "Adding", 0, nullptr);
    progress.advance();
    progress.tick(start + milliseconds(999));
    EXPECT_EQ(written(stream), "");
    progress.setTotal(12000);
    for (int i = 1; i < 10500; ++i) {
      progress.advance();
    }
    progress.tick(start + milliseconds(1000));
    EXPECT_EQ(written(stream), "\rAdding: 10,500 of 12,000");
    progress.advance();
    progress.tick(start + milliseconds(1249));
    EXPECT_EQ(written(stream), "\rAdding: 10,500 of 12,000");
    progress.setTotal(0);
    progress.tick(start + milliseconds(1250));
  }
  // Blanks cover the rest of the longer line; the destructor blanks the
  // line and returns to its start.
  EXPECT_EQ(written(stream), "\rAdding: 10,500 of 12,000\rAdding: 10,501" + std::string(10, ' ') +
                                 "\r" + std::string(14, ' ') + "\r");
  std::fclose(stream);
}

TEST(ProgressTest, AFileIsCountedByItsPosition) {
  std::FILE* file = std::tmpfile();
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ASSERT_NE(stream, nullptr);
  std::fputs("FORMAT 1\n0002 0 0 0 0 a b\n", file);
  std::fflush(file);
  std::fseek(file, 9, SEEK_SET);
  Progress::Clock::time_point start = Progress::Clock::now() + std::chrono::hours(1);
  Progress progress;
  progress.startOn(stream, start, "Loading delegates", 0, nullptr);
  progress.trackFile(file);
  progress.advance();
  progress.tick(start + std::chrono::seconds(2));
  EXPECT_EQ(written(stream), "\rLoading delegates: 9 of 26 bytes");
  progress.finish();
  std::fclose(stream);
  std::fclose(file);
}

}  // namespace
