#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "error_texts.h"
#include "gtest/gtest.h"
#include "server_files.h"
#include "store.h"
#include "telvwin32.h"
#include "test_support.h"

namespace {

class DelegateApiTest : public EmulatorTest {
 protected:
  void SetUp() override {
    EmulatorTest::SetUp();
    mustTelvemu({"create", "srv1"});
    server_ = connect("srv1");
  }
  void TearDown() override {
    TelvCloseServerHandle(server_);
    EmulatorTest::TearDown();
  }

  static TelvDelegateRecord recordOf(const char* delegator, const char* delegate) {
    TelvDelegateRecord record = {};
    memcpy(record.delegator, delegator, std::min(strlen(delegator), sizeof(record.delegator)));
    memcpy(record.delegate, delegate, std::min(strlen(delegate), sizeof(record.delegate)));
    record.typeCode = 0x0002;
    record.masks[0] = 0x0FFFFFFF;
    record.masks[3] = 0x0FFFFFF9;
    return record;
  }

  void save(const char* delegator, const char* delegate) {
    TelvDelegateRecord record = recordOf(delegator, delegate);
    ASSERT_EQ(TelvSaveDelegate(server_, &record), 0u);
  }

  // The faults set on a server, as "telvemu faults" prints them.
  std::string faults(const std::string& server) {
    std::string out;
    EXPECT_EQ(telvemu({"faults", server}, &out), 0);
    return out;
  }

  uint32_t server_ = 0;
};

TEST_F(DelegateApiTest, SaveStoresEveryFieldAndLeavesTheCallersRecordAlone) {
  TelvDelegateRecord record = recordOf("Sales", "anna.schmidt");
  record.masks[1] = 0x12345678;
  record.reserved[0] = 1;
  record.reserved[949] = 0xEE;
  TelvDelegateRecord copy = record;
  ASSERT_EQ(TelvSaveDelegate(server_, &record), 0u);
  EXPECT_EQ(memcmp(&record, &copy, sizeof(record)), 0);

  std::vector<TelvDelegateRecord> stored = delegations(server_, nullptr);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(uint32_t{stored[0].entryId}, 1u);
  copy.entryId = 1;
  EXPECT_EQ(memcmp(&stored[0], &copy, sizeof(copy)), 0);
  EXPECT_EQ(dump("srv1"), "1 0002 0FFFFFFF 12345678 00000000 0FFFFFF9 Sales anna.schmidt\n");
}

TEST_F(DelegateApiTest, SaveRefusesAnEntryIdOrBytesAfterAUserId) {
  TelvDelegateRecord record = recordOf("Sales", "anna.schmidt");
  record.entryId = 777;
  EXPECT_EQ(TelvSaveDelegate(server_, &record), kErrEntryIdGiven);
  record.entryId = 0;
  record.delegator[21] = 'x';
  EXPECT_EQ(TelvSaveDelegate(server_, &record), kErrUserIdTrailingBytes);
  EXPECT_EQ(errorText(kErrEntryIdGiven), "Entry ID of a new delegate must be 0");
  EXPECT_EQ(errorText(kErrUserIdTrailingBytes), "Delegate record holds bytes after a user ID");
  EXPECT_EQ(dump("srv1"), "");
}

TEST_F(DelegateApiTest, EntryIdsNeverWrap) {
  Store store;
  ASSERT_TRUE(serverOpen("srv1", &store, nullptr));
  ASSERT_TRUE(storeExec(
      &store, "INSERT INTO sqlite_sequence (name, seq) VALUES ('delegations', 4294967294)"));
  save("a", "b");
  TelvDelegateRecord record = recordOf("c", "d");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), kErrEntryIdsExhausted);
  EXPECT_EQ(dump("srv1"), "4294967295 0002 0FFFFFFF 00000000 00000000 0FFFFFF9 a b\n");
}

TEST_F(DelegateApiTest, SavedFieldWithoutNulKeepsAll22Characters) {
  TelvDelegateRecord record = recordOf("x", "y");
  memcpy(record.delegator, "ABCDEFGHIJKLMNOPQRSTUV", 22);
  ASSERT_EQ(TelvSaveDelegate(server_, &record), 0u);
  EXPECT_EQ(dump("srv1"), "1 0002 0FFFFFFF 00000000 00000000 0FFFFFF9 ABCDEFGHIJKLMNOPQRSTUV y\n");
}

TEST_F(DelegateApiTest, DelegationsPersistAcrossHandles) {
  save("FrontDesk", "JMiller");
  TelvCloseServerHandle(server_);
  server_ = connect("srv1");
  EXPECT_EQ(pairs(delegations(server_, nullptr)), (std::vector<std::string>{"FrontDesk>JMiller"}));
}

TEST_F(DelegateApiTest, EntryIdsAreNeverGivenOutTwice) {
  save("a", "b");
  save("c", "d");
  ASSERT_EQ(TelvDeleteDelegate(server_, 2), 0u);
  ASSERT_EQ(TelvDeleteDelegate(server_, 1), 0u);
  save("e", "f");
  TelvCloseServerHandle(server_);
  server_ = connect("srv1");
  save("g", "h");
  EXPECT_EQ(entryIds(delegations(server_, nullptr)), (std::vector<uint32_t>{3, 4}));
}

TEST_F(DelegateApiTest, DeletingAMissingEntryFails) {
  save("a", "b");
  EXPECT_EQ(TelvDeleteDelegate(server_, 2), kErrNoSuchDelegate);
  EXPECT_EQ(TelvDeleteDelegate(server_, 1), 0u);
  EXPECT_EQ(TelvDeleteDelegate(server_, 1), kErrNoSuchDelegate);
  EXPECT_EQ(errorText(kErrNoSuchDelegate), "Delegate entry not found");
}

TEST_F(DelegateApiTest, DeleteFaultKeepsThatEntryOnly) {
  save("a", "b");
  save("c", "d");
  mustTelvemu({"fault", "srv1", "delete", "1", "0x51"});
  EXPECT_EQ(TelvDeleteDelegate(server_, 1), 0x51u);
  EXPECT_EQ(TelvDeleteDelegate(server_, 2), 0u);
  EXPECT_EQ(entryIds(delegations(server_, nullptr)), (std::vector<uint32_t>{1}));
}

TEST_F(DelegateApiTest, SaveFaultMatchesThePairIgnoringCase) {
  mustTelvemu({"fault", "srv1", "save", "FrontDesk", "JMiller", "0x52"});
  TelvDelegateRecord record = recordOf("frontdesk", "JMILLER");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), 0x52u);
  save("FrontDesk", "PLarsen");
  save("JMiller", "FrontDesk");
  EXPECT_EQ(pairs(delegations(server_, nullptr)),
            (std::vector<std::string>{"FrontDesk>PLarsen", "JMiller>FrontDesk"}));
}

TEST_F(DelegateApiTest, CountedSaveFaultFailsThatManySavesThenGoes) {
  mustTelvemu({"fault", "srv1", "save", "FrontDesk", "JMiller", "0x52", "2"});
  TelvDelegateRecord record = recordOf("FrontDesk", "JMiller");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), 0x52u);
  EXPECT_EQ(faults("srv1"), "save FrontDesk JMiller 0x52 1\n");
  record = recordOf("frontdesk", "JMILLER");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), 0x52u);
  EXPECT_EQ(faults("srv1"), "");
  save("FrontDesk", "JMiller");
  EXPECT_EQ(pairs(delegations(server_, nullptr)), (std::vector<std::string>{"FrontDesk>JMiller"}));
}

TEST_F(DelegateApiTest, CountedSaveFaultLeavesOtherPairsAlone) {
  mustTelvemu({"fault", "srv1", "save", "FrontDesk", "JMiller", "0x52", "1"});
  save("FrontDesk", "PLarsen");
  save("JMiller", "FrontDesk");
  EXPECT_EQ(faults("srv1"), "save FrontDesk JMiller 0x52 1\n");
  TelvDelegateRecord record = recordOf("FrontDesk", "JMiller");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), 0x52u);
  save("FrontDesk", "JMiller");
  EXPECT_EQ(
      pairs(delegations(server_, nullptr)),
      (std::vector<std::string>{"FrontDesk>PLarsen", "JMiller>FrontDesk", "FrontDesk>JMiller"}));
}

TEST_F(DelegateApiTest, InvalidHandlesAndNullRecordsAreRefused) {
  TelvDelegateRecord record = recordOf("a", "b");
  EXPECT_EQ(TelvSaveDelegate(0, &record), kErrInvalidHandle);
  EXPECT_EQ(TelvSaveDelegate(server_, nullptr), kErrBadArgument);
  EXPECT_EQ(TelvDeleteDelegate(server_ + 1000, 1), kErrInvalidHandle);
  EXPECT_TRUE(delegations(server_, nullptr).empty());
}

TEST_F(DelegateApiTest, RemovedServerIsUnknownToNewConnections) {
  save("a", "b");
  mustTelvemu({"remove", "srv1"});
  uint32_t error = 0;
  EXPECT_EQ(TelvCreateServerHandle("srv1", 0, &error), 0u);
  EXPECT_EQ(error, kErrUnknownServer);
}

}  // namespace
