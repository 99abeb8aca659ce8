#include <cstdio>
#include <string>

#include "delegate_tool.h"
#include "gtest/gtest.h"

namespace {

// What an add refused before it reaches the server prints.
std::string refusedAdd(const char* delegator, const char* presetText, bool* result) {
  DelegateTool tool;  // never connected: a refused add asks the server nothing
  std::fflush(stdout);
  char delegate[] = "bob";
  char* delegates[] = {delegate, nullptr};
  testing::internal::CaptureStdout();
  *result = tool.addDelegates(delegator, delegates, presetText);
  return testing::internal::GetCapturedStdout();
}

TEST(AddDelegates, RefusesAWildcardDelegatorBeforeThePreset) {
  bool result = true;
  EXPECT_EQ(refusedAdd("a?", "not a preset", &result),
            "Delegator user-ID to add cannot contain wildcards: a?\n");
  EXPECT_FALSE(result);
}

TEST(AddDelegates, RefusesAPresetTextOfFewerThanFiveNumbers) {
  bool result = true;
  EXPECT_EQ(refusedAdd("alice", "0002 1 2 3", &result), "Malformed delegate info: '0002 1 2 3'\n");
  EXPECT_FALSE(result);
}

}  // namespace
