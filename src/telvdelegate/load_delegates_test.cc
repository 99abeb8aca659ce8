#include <errno.h>
#include <stdio.h>
#include <sys/types.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "delegate_tool.h"
#include "gtest/gtest.h"

namespace {

// A stream that gives its bytes, then fails every further read as a
// failing disk would.
struct FailingSource {
  std::string bytes;
  std::size_t position = 0;
};

ssize_t readThenFail(void* cookie, char* buffer, std::size_t size) {
  FailingSource* source = static_cast<FailingSource*>(cookie);
  if (source->position == source->bytes.size()) {
    errno = EIO;
    return -1;
  }
  std::size_t count = std::min(size, source->bytes.size() - source->position);
  std::memcpy(buffer, source->bytes.data() + source->position, count);
  source->position += count;
  return static_cast<ssize_t>(count);
}

// What a load of the bytes prints when the read after them fails. The tool
// is never connected: nothing may reach the server.
std::string loadFailingAfter(const std::string& bytes, bool* result) {
  FailingSource source{bytes};
  cookie_io_functions_t functions = {readThenFail, nullptr, nullptr, nullptr};
  FILE* input = fopencookie(&source, "r", functions);
  EXPECT_NE(input, nullptr);
  DelegateTool tool;
  tool.setStreams(input, nullptr, false);
  std::fflush(stdout);
  testing::internal::CaptureStdout();
  *result = tool.loadDelegates(nullptr);
  return testing::internal::GetCapturedStdout();
}

TEST(LoadDelegates, AFailedReadStopsTheLoadWithoutStoringTheLineItCut) {
  bool result = true;
  EXPECT_EQ(loadFailingAfter("FORMAT 1\n# note\n0002 1 2 3 4 alice bo", &result),
            "Can't read input file: line 3: Input/output error\n");
  EXPECT_FALSE(result);
}

TEST(LoadDelegates, AFailedFirstReadIsNoEmptyFile) {
  bool result = true;
  EXPECT_EQ(loadFailingAfter("", &result), "Can't read input file: line 1: Input/output error\n");
  EXPECT_FALSE(result);
}

}  // namespace
