#include "list_sort.h"

#include <string.h>

#include <algorithm>
#include <vector>

#include "gtest/gtest.h"

namespace {

// Orders by type code only, so that records with one type are equal.
int byType(const void* a, const void* b) {
  uint32_t left = static_cast<const TelvDelegateRecord*>(a)->typeCode;
  uint32_t right = static_cast<const TelvDelegateRecord*>(b)->typeCode;
  return left < right ? -1 : left > right ? 1 : 0;
}

// Answers at random: no consistent order at all.
int erratic(const void*, const void*) {
  static uint32_t state = 12345;
  state = state * 1103515245u + 12345u;
  return static_cast<int>((state >> 16) % 3) - 1;
}

RecordVector recordsOfTypes(const std::vector<uint32_t>& types) {
  RecordVector records(types.size());
  for (size_t i = 0; i < types.size(); ++i) {
    memset(&records[i], 0, sizeof(records[i]));
    records[i].entryId = static_cast<uint32_t>(i + 1);
    records[i].typeCode = types[i];
    records[i].reserved[949] = static_cast<uint8_t>(i);
  }
  return records;
}

std::vector<uint32_t> idsOf(const RecordVector& records) {
  std::vector<uint32_t> ids;
  for (const TelvDelegateRecord& record : records) {
    ids.push_back(uint32_t{record.entryId});
  }
  return ids;
}

TEST(ListSortTest, SortsAscendingAndKeepsEqualRecordsInOrder) {
  RecordVector records = recordsOfTypes({3, 1, 2, 1, 3, 2, 1});
  sortRecords(&records, byType);
  EXPECT_EQ(idsOf(records), (std::vector<uint32_t>{2, 4, 7, 3, 6, 1, 5}));
  // Whole records move, not only their keys.
  EXPECT_EQ(records[0].reserved[949], 1);
  EXPECT_EQ(records[6].reserved[949], 4);
}

// Sizes around the length of the runs the sort first makes, and one of
// several runs whose count is no power of two: the order must be that of a
// stable sort, ties kept in list order across runs.
TEST(ListSortTest, ManyRecordsSortLikeAStableSort) {
  for (uint32_t size : {1000u, 1023u, 1024u, 1025u, 2048u, 5000u}) {
    std::vector<uint32_t> types;
    for (uint32_t i = 0; i < size; ++i) {
      types.push_back((i * 7919u) % 101u);
    }
    RecordVector records = recordsOfTypes(types);
    RecordVector expected = records;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const TelvDelegateRecord& a, const TelvDelegateRecord& b) {
                       return byType(&a, &b) < 0;
                     });
    sortRecords(&records, byType);
    ASSERT_EQ(idsOf(records), idsOf(expected)) << "size " << size;
    for (const TelvDelegateRecord& record : records) {
      ASSERT_EQ(record.reserved[949], static_cast<uint8_t>(record.entryId - 1));
    }
  }
}

TEST(ListSortTest, InconsistentComparisonStillKeepsEveryRecordOnce) {
  RecordVector records = recordsOfTypes(std::vector<uint32_t>(3000, 0));
  sortRecords(&records, erratic);
  std::vector<uint32_t> ids = idsOf(records);
  std::sort(ids.begin(), ids.end());
  for (uint32_t i = 0; i < ids.size(); ++i) {
    ASSERT_EQ(ids[i], i + 1);
  }
}

TEST(ListSortTest, EmptyAndSingleListsNeedNoComparison) {
  RecordVector records;
  sortRecords(&records, erratic);
  EXPECT_TRUE(records.empty());
  records = recordsOfTypes({5});
  sortRecords(&records, byType);
  EXPECT_EQ(idsOf(records), (std::vector<uint32_t>{1}));
}

}  // namespace
