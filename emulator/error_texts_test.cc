#include "error_texts.h"

#include <set>
#include <string>

#include "gtest/gtest.h"

namespace {

TEST(ErrorTextsTest, EveryBuiltInCodeIsDistinctNonZeroAndHasText) {
  const uint32_t codes[] = {kErrUnknownServer,    kErrInvalidHandle,  kErrInvalidListHandle,
                            kErrEndOfList,        kErrNoSuchDelegate, kErrDatabase,
                            kErrBadArgument,      kErrEntryIdGiven,   kErrUserIdTrailingBytes,
                            kErrEntryIdsExhausted};
  std::set<uint32_t> seen;
  for (uint32_t code : codes) {
    EXPECT_NE(code, 0u);
    EXPECT_TRUE(seen.insert(code).second) << code;
    ASSERT_NE(builtInErrorText(code), nullptr) << code;
    EXPECT_NE(std::string(builtInErrorText(code)), "");
  }
  EXPECT_STREQ(builtInErrorText(0x2711), "Telvane server not found or not responding");
  EXPECT_EQ(builtInErrorText(0), nullptr);
  EXPECT_EQ(builtInErrorText(42), nullptr);
}

}  // namespace
