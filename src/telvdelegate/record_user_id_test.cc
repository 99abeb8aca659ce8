#include "record_user_id.h"

#include <cstring>

#include "gtest/gtest.h"
#include "telvwin32.h"

namespace {

TEST(ReadRecordUserId, ReadsAtMost21CharactersEvenWithoutATerminator) {
  TelvDelegateRecord record;
  std::memset(&record, 0, sizeof record);
  std::memcpy(record.delegator, "alice", 5);
  // A delegate field filled to its last byte runs straight into the masks.
  std::memset(record.delegate, 'b', sizeof record.delegate);
  std::memset(record.masks, 'X', sizeof record.masks);

  EXPECT_STREQ(readRecordUserId(record.delegator).text, "alice");
  EXPECT_STREQ(readRecordUserId(record.delegate).text, "bbbbbbbbbbbbbbbbbbbbb");

  std::memcpy(record.delegator, "exactly21characters__", 21);
  EXPECT_STREQ(readRecordUserId(record.delegator).text, "exactly21characters__");

  std::memset(record.delegator, 0, sizeof record.delegator);
  EXPECT_STREQ(readRecordUserId(record.delegator).text, "");
}

}  // namespace
