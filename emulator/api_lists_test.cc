#include <string.h>
#include <strings.h>

#include <string>
#include <vector>

#include "error_texts.h"
#include "gtest/gtest.h"
#include "telvwin32.h"
#include "test_support.h"

namespace {

// The demo server's delegations, in the order they are stored.
const std::vector<std::string> kDemoPairs = {
    "FrontDesk>JMiller",   "Sales>anna.schmidt",   "Accounting>BKowalski", "frontdesk>JMiller",
    "jmiller>Assistant01", "Support>anna.schmidt", "CEO-Office>PLarsen",   "Helpdesk>bkowalski",
};

class ListApiTest : public EmulatorTest {
 protected:
  void SetUp() override {
    EmulatorTest::SetUp();
    mustTelvemu({"demo"});
    server_ = connect("demo");
  }
  void TearDown() override {
    TelvCloseServerHandle(server_);
    EmulatorTest::TearDown();
  }
  uint32_t server_ = 0;
};

int byDelegateIgnoringCase(const void* a, const void* b) {
  const TelvDelegateRecord* left = static_cast<const TelvDelegateRecord*>(a);
  const TelvDelegateRecord* right = static_cast<const TelvDelegateRecord*>(b);
  return strncasecmp(left->delegate, right->delegate, sizeof(left->delegate));
}

TEST_F(ListApiTest, FullListHoldsEveryDelegationInStorageOrder) {
  std::vector<TelvDelegateRecord> records = delegations(server_, nullptr);
  EXPECT_EQ(pairs(records), kDemoPairs);
  EXPECT_EQ(entryIds(records), (std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(uint32_t{records[2].typeCode}, 0x0002u);
  EXPECT_EQ(uint32_t{records[2].masks[0]}, 0xFFFFFFFFu);
  EXPECT_EQ(uint32_t{records[0].masks[3]}, 0x0FFFFFF9u);
}

TEST_F(ListApiTest, UserListMatchesTheDelegateIgnoringCaseOnly) {
  std::vector<std::string> expected = {"Accounting>BKowalski", "Helpdesk>bkowalski"};
  EXPECT_EQ(pairs(delegations(server_, "bkowalski")), expected);
  EXPECT_EQ(pairs(delegations(server_, "BKOWALSKI")), expected);
  // jmiller is a delegator too, but only delegations to it count.
  EXPECT_EQ(pairs(delegations(server_, "JMILLER")),
            (std::vector<std::string>{"FrontDesk>JMiller", "frontdesk>JMiller"}));
  EXPECT_TRUE(delegations(server_, "Accounting").empty());
  EXPECT_TRUE(delegations(server_, "nobody").empty());
  EXPECT_TRUE(delegations(server_, "bkowalsk").empty());
}

TEST_F(ListApiTest, RecordsAreZeroFilledBeyondTheirFields) {
  TelvDelegateRecord record = delegations(server_, "PLarsen").at(0);
  EXPECT_EQ(uint32_t{record.entryId}, 7u);
  EXPECT_STREQ(record.delegator, "CEO-Office");
  for (size_t i = strlen("CEO-Office"); i < sizeof(record.delegator); ++i) {
    EXPECT_EQ(record.delegator[i], '\0');
  }
  for (uint8_t byte : record.reserved) {
    ASSERT_EQ(byte, 0);
  }
}

TEST_F(ListApiTest, FullLengthUserIdComesBackWithoutNul) {
  std::string delegator = "Maximilian.Oberhofer1";  // 21: room left for the NUL
  std::string delegate = "Maximilian.Oberhofer22";  // 22: fills the field
  mustTelvemu({"add", "demo", delegator, delegate});
  TelvDelegateRecord record = delegations(server_, delegate.c_str()).at(0);
  EXPECT_EQ(memcmp(record.delegate, delegate.data(), 22), 0);
  EXPECT_EQ(fieldText(record.delegator), delegator);
  EXPECT_EQ(record.delegator[21], '\0');
  EXPECT_EQ(uint32_t{record.masks[0]}, 0x0FFFFFFFu);  // follows the field directly
}

TEST_F(ListApiTest, ElementPointersStayValidAfterEntriesAreDeleted) {
  uint32_t list = 0;
  ASSERT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, &list), 0u);
  std::vector<const TelvDelegateRecord*> pointers;
  void* element = nullptr;
  for (uint32_t rc = TelvListGetFirstElementPtr(list, &element); rc == 0;
       rc = TelvListGetNextElementPtr(list, &element)) {
    pointers.push_back(static_cast<const TelvDelegateRecord*>(element));
  }
  ASSERT_EQ(pointers.size(), kDemoPairs.size());
  for (const TelvDelegateRecord* record : pointers) {
    ASSERT_EQ(TelvDeleteDelegate(server_, record->entryId), 0u);
  }
  for (size_t i = 0; i < pointers.size(); ++i) {
    EXPECT_EQ(uint32_t{pointers[i]->entryId}, i + 1);
    EXPECT_EQ(fieldText(pointers[i]->delegator) + ">" + fieldText(pointers[i]->delegate),
              kDemoPairs[i]);
  }
  TelvCloseListHandle(list);
  EXPECT_TRUE(delegations(server_, nullptr).empty());
}

TEST_F(ListApiTest, SortUsesTheCallersComparisonAndKeepsEqualOnesInStorageOrder) {
  uint32_t list = 0;
  ASSERT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, &list), 0u);
  ASSERT_EQ(TelvListSort(list, byDelegateIgnoringCase), 0u);
  EXPECT_EQ(
      pairs(elements(list)),
      (std::vector<std::string>{"Sales>anna.schmidt", "Support>anna.schmidt", "jmiller>Assistant01",
                                "Accounting>BKowalski", "Helpdesk>bkowalski", "FrontDesk>JMiller",
                                "frontdesk>JMiller", "CEO-Office>PLarsen"}));
  TelvCloseListHandle(list);
  EXPECT_EQ(pairs(delegations(server_, nullptr)), kDemoPairs);
}

TEST_F(ListApiTest, FirstRestartsAndTheEndIsReportedEachTime) {
  uint32_t list = 0;
  ASSERT_EQ(TelvGetDelegateList(server_, "PLarsen", 0, 0, 0, &list), 0u);
  void* element = nullptr;
  ASSERT_EQ(TelvListGetFirstElementPtr(list, &element), 0u);
  void* first = element;
  EXPECT_EQ(TelvListGetNextElementPtr(list, &element), kErrEndOfList);
  EXPECT_EQ(element, nullptr);
  EXPECT_EQ(TelvListGetNextElementPtr(list, &element), kErrEndOfList);
  ASSERT_EQ(TelvListGetFirstElementPtr(list, &element), 0u);
  EXPECT_EQ(element, first);
  TelvCloseListHandle(list);
}

TEST_F(ListApiTest, EmptyListEndsAtOnce) {
  uint32_t list = 0;
  ASSERT_EQ(TelvGetDelegateList(server_, "nobody", 0, 0, 0, &list), 0u);
  EXPECT_NE(list, 0u);
  void* element = &list;
  EXPECT_EQ(TelvListGetFirstElementPtr(list, &element), kErrEndOfList);
  EXPECT_EQ(element, nullptr);
  EXPECT_EQ(TelvListSort(list, byDelegateIgnoringCase), 0u);
  TelvCloseListHandle(list);
}

TEST_F(ListApiTest, ClosedAndUnknownListHandlesAreRefused) {
  uint32_t list = 0;
  ASSERT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, &list), 0u);
  TelvCloseListHandle(list);
  testing::internal::CaptureStderr();
  TelvCloseListHandle(list);
  TelvCloseListHandle(0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "telvemu: caller fault: TelvCloseListHandle called with list handle " +
                std::to_string(list) +
                ", which is not open\n"
                "telvemu: caller fault: TelvCloseListHandle called with list handle 0, which is "
                "not open\n");
  void* element = nullptr;
  EXPECT_EQ(TelvListGetFirstElementPtr(list, &element), kErrInvalidListHandle);
  EXPECT_EQ(TelvListGetNextElementPtr(list, &element), kErrInvalidListHandle);
  EXPECT_EQ(TelvListSort(list, byDelegateIgnoringCase), kErrInvalidListHandle);
  // A server handle is no list handle, and the reverse.
  EXPECT_EQ(TelvListGetFirstElementPtr(server_, &element), kErrInvalidListHandle);
  ASSERT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, &list), 0u);
  EXPECT_EQ(TelvVersionCheck(list, 0, 0), kErrInvalidHandle);
  TelvCloseListHandle(list);
}

TEST_F(ListApiTest, NullPointersAreRefused) {
  EXPECT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, nullptr), kErrBadArgument);
  uint32_t list = 0;
  EXPECT_EQ(TelvGetDelegateList(0, nullptr, 0, 0, 0, &list), kErrInvalidHandle);
  EXPECT_EQ(list, 0u);
  ASSERT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, &list), 0u);
  EXPECT_EQ(TelvListGetFirstElementPtr(list, nullptr), kErrBadArgument);
  EXPECT_EQ(TelvListGetNextElementPtr(list, nullptr), kErrBadArgument);
  EXPECT_EQ(TelvListSort(list, nullptr), kErrBadArgument);
  TelvCloseListHandle(list);
}

TEST_F(ListApiTest, ListFaultWithoutUserFailsEveryList) {
  mustTelvemu({"fault", "demo", "list", "0x3F"});
  uint32_t list = 99;
  EXPECT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, &list), 0x3Fu);
  EXPECT_EQ(list, 0u);
  EXPECT_EQ(TelvGetDelegateList(server_, "JMiller", 0, 0, 0, &list), 0x3Fu);
  EXPECT_EQ(TelvGetDelegateList(server_, "nobody", 0, 0, 0, &list), 0x3Fu);
}

TEST_F(ListApiTest, ListFaultForAUserFailsOnlyThatUsersList) {
  mustTelvemu({"fault", "demo", "list", "0x40", "JMiller"});
  uint32_t list = 0;
  EXPECT_EQ(TelvGetDelegateList(server_, "jmiller", 0, 0, 0, &list), 0x40u);
  EXPECT_EQ(TelvGetDelegateList(server_, "JMILLER", 0, 0, 0, &list), 0x40u);
  EXPECT_EQ(pairs(delegations(server_, "PLarsen")),
            (std::vector<std::string>{"CEO-Office>PLarsen"}));
  EXPECT_EQ(delegations(server_, nullptr).size(), kDemoPairs.size());
}

TEST_F(ListApiTest, SortFaultIsTheOneSetWhenTheListWasMade) {
  uint32_t before = 0;
  ASSERT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, &before), 0u);
  mustTelvemu({"fault", "demo", "sort", "0x41"});
  uint32_t during = 0;
  ASSERT_EQ(TelvGetDelegateList(server_, nullptr, 0, 0, 0, &during), 0u);
  mustTelvemu({"fault", "demo", "clear"});
  EXPECT_EQ(TelvListSort(before, byDelegateIgnoringCase), 0u);
  EXPECT_EQ(TelvListSort(during, byDelegateIgnoringCase), 0x41u);
  EXPECT_EQ(pairs(elements(during)), kDemoPairs);
  TelvCloseListHandle(before);
  TelvCloseListHandle(during);
}

TEST_F(ListApiTest, TwoHandlesOnOneServerSeeEachOthersChanges) {
  uint32_t other = connect("demo");
  TelvDelegateRecord record = {};
  strcpy(record.delegator, "Reception");
  strcpy(record.delegate, "PLarsen");
  ASSERT_EQ(TelvSaveDelegate(other, &record), 0u);
  EXPECT_EQ(pairs(delegations(server_, "plarsen")),
            (std::vector<std::string>{"CEO-Office>PLarsen", "Reception>PLarsen"}));
  ASSERT_EQ(TelvDeleteDelegate(server_, 7), 0u);
  EXPECT_EQ(pairs(delegations(other, "plarsen")), (std::vector<std::string>{"Reception>PLarsen"}));
  TelvCloseServerHandle(other);
}

}  // namespace
