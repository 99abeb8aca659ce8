#include "record_allocator.h"

#include <string.h>

#include "gtest/gtest.h"

namespace {

// Writes every byte of a block and reads it back: a block shorter than asked
// for shows as a crash or a sanitizer report.
void expectUsable(size_t bytes) {
  unsigned char* block = static_cast<unsigned char*>(allocateRecordMemory(bytes));
  ASSERT_NE(block, nullptr);
  memset(block, 0x5A, bytes);
  EXPECT_EQ(block[0], 0x5A);
  EXPECT_EQ(block[bytes - 1], 0x5A);
  freeRecordMemory(block, bytes);
}

TEST(RecordAllocatorTest, SmallAndHugeBlocksHoldWhatWasAskedFor) {
  expectUsable(1);
  expectUsable(kHugeBlockBytes - 1);
  expectUsable(kHugeBlockBytes);
  expectUsable(3 * kHugeBlockBytes + 17);
  freeRecordMemory(nullptr, 0);
}

TEST(RecordAllocatorTest, RecordVectorGrowsAcrossTheHugeBlockSize) {
  RecordVector records;
  size_t count = kHugeBlockBytes / sizeof(TelvDelegateRecord) * 2;
  for (size_t i = 0; i < count; ++i) {
    records.emplace_back();
    records.back().entryId = static_cast<uint32_t>(i);
  }
  for (size_t i = 0; i < count; i += 997) {
    ASSERT_EQ(uint32_t{records[i].entryId}, i);
    ASSERT_EQ(records[i].reserved[949], 0);
  }
}

}  // namespace
