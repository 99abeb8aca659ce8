#include "record_codec.h"

#include <string.h>

#include "gtest/gtest.h"

namespace {

TEST(RecordCodecTest, UserIdEndsAtNulOrFieldEnd) {
  TelvDelegateRecord record = {};
  memcpy(record.delegator, "abc\0def", 7);
  EXPECT_EQ(userIdFromField(record.delegator), "abc");
  memcpy(record.delegate, "ABCDEFGHIJKLMNOPQRSTUV", 22);
  record.masks[0] = 0x41414141;  // "AAAA" right behind the field must not be read
  EXPECT_EQ(userIdFromField(record.delegate), "ABCDEFGHIJKLMNOPQRSTUV");
}

TEST(RecordCodecTest, RowKeepsReservedBytesOnlyWhenAnyIsSet) {
  TelvDelegateRecord record = {};
  record.entryId = 9;
  record.typeCode = 2;
  record.masks[2] = 0x0FFFFFFF;
  memcpy(record.delegator, "Sales", 5);
  memcpy(record.delegate, "anna", 4);
  DelegationRow row = rowFromRecord(record);
  EXPECT_EQ(row.id, 0u);
  EXPECT_EQ(row.type, 2u);
  EXPECT_EQ(row.masks[2], 0x0FFFFFFFu);
  EXPECT_EQ(row.delegator, "Sales");
  EXPECT_EQ(row.delegate, "anna");
  EXPECT_TRUE(row.reserved.empty());

  record.reserved[949] = 7;
  row = rowFromRecord(record);
  ASSERT_EQ(row.reserved.size(), 950u);
  EXPECT_EQ(row.reserved[949], 7);
  EXPECT_EQ(row.reserved[0], 0);
}

TEST(RecordCodecTest, RecordFromRowZeroFillsAndLetsA22CharacterIdFillItsField) {
  DelegationRow row;
  row.id = 5;
  row.type = 2;
  row.masks[3] = 0x0FFFFFF9;
  row.delegator = "ABCDEFGHIJKLMNOPQRSTUV";
  row.delegate = "x";
  TelvDelegateRecord record;
  memset(&record, 0xCC, sizeof(record));
  recordFromRow(row, &record);
  EXPECT_EQ(uint32_t{record.entryId}, 5u);
  EXPECT_EQ(uint32_t{record.masks[3]}, 0x0FFFFFF9u);
  EXPECT_EQ(memcmp(record.delegator, "ABCDEFGHIJKLMNOPQRSTUV", 22), 0);
  EXPECT_STREQ(record.delegate, "x");
  for (size_t i = 1; i < sizeof(record.delegate); ++i) {
    EXPECT_EQ(record.delegate[i], '\0');
  }
  for (uint8_t byte : record.reserved) {
    ASSERT_EQ(byte, 0);
  }
}

TEST(RecordCodecTest, LongerIdsAreCutAndReservedBytesComeBack) {
  DelegationRow row;
  row.delegator = std::string(40, 'z');
  row.reserved = std::string(950, '\x5A');
  TelvDelegateRecord record;
  recordFromRow(row, &record);
  EXPECT_EQ(userIdFromField(record.delegator), std::string(22, 'z'));
  EXPECT_EQ(record.reserved[0], 0x5A);
  EXPECT_EQ(record.reserved[949], 0x5A);
}

}  // namespace
