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
    MustTelvemu({"create", "srv1"});
    server_ = Connect("srv1");
  }
  void TearDown() override {
    TelvCloseServerHandle(server_);
    EmulatorTest::TearDown();
  }

  static TelvDelegateRecord Record(const char* delegator, const char* delegate) {
    TelvDelegateRecord record = {};
    memcpy(record.delegator, delegator, std::min(strlen(delegator), sizeof(record.delegator)));
    memcpy(record.delegate, delegate, std::min(strlen(delegate), sizeof(record.delegate)));
    record.typeCode = 0x0002;
    record.masks[0] = 0x0FFFFFFF;
    record.masks[3] = 0x0FFFFFF9;
    return record;
  }

  void Save(const char* delegator, const char* delegate) {
    TelvDelegateRecord record = Record(delegator, delegate);
    ASSERT_EQ(TelvSaveDelegate(server_, &record), 0u);
  }

  // The faults set on a server, as "telvemu faults" prints them.
  std::string Faults(const std::string& server) {
    std::string out;
    EXPECT_EQ(Telvemu({"faults", server}, &out), 0);
    return out;
  }

  uint32_t server_ = 0;
};

TEST_F(DelegateApiTest, SaveStoresEveryFieldAndLeavesTheCallersRecordAlone) {
  TelvDelegateRecord record = Record("Sales", "anna.schmidt");
  record.masks[1] = 0x12345678;
  record.reserved[0] = 1;
  record.reserved[949] = 0xEE;
  TelvDelegateRecord copy = record;
  ASSERT_EQ(TelvSaveDelegate(server_, &record), 0u);
  EXPECT_EQ(memcmp(&record, &copy, sizeof(record)), 0);

  std::vector<TelvDelegateRecord> stored = Delegations(server_, nullptr);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(uint32_t{stored[0].entryId}, 1u);
  copy.entryId = 1;
  EXPECT_EQ(memcmp(&stored[0], &copy, sizeof(copy)), 0);
  EXPECT_EQ(Dump("srv1"), "1 0002 0FFFFFFF 12345678 00000000 0FFFFFF9 Sales anna.schmidt\n");
}

TEST_F(DelegateApiTest, SaveRefusesAnEntryIdOrBytesAfterAUserId) {
  TelvDelegateRecord record = Record("Sales", "anna.schmidt");
  record.entryId = 777;
  EXPECT_EQ(TelvSaveDelegate(server_, &record), kErrEntryIdGiven);
  record.entryId = 0;
  record.delegator[21] = 'x';
  EXPECT_EQ(TelvSaveDelegate(server_, &record), kErrUserIdTrailingBytes);
  EXPECT_EQ(ErrorText(kErrEntryIdGiven), "Entry ID of a new delegate must be 0");
  EXPECT_EQ(ErrorText(kErrUserIdTrailingBytes), "Delegate record holds bytes after a user ID");
  EXPECT_EQ(Dump("srv1"), "");
}

TEST_F(DelegateApiTest, EntryIdsNeverWrap) {
  Store store;
  ASSERT_TRUE(ServerOpen("srv1", &store, nullptr));
  ASSERT_TRUE(StoreExec(
      &store, "INSERT INTO sqlite_sequence (name, seq) VALUES ('delegations', 4294967294)"));
  Save("a", "b");
  TelvDelegateRecord record = Record("c", "d");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), kErrEntryIdsExhausted);
  EXPECT_EQ(Dump("srv1"), "4294967295 0002 0FFFFFFF 00000000 00000000 0FFFFFF9 a b\n");
}

TEST_F(DelegateApiTest, SavedFieldWithoutNulKeepsAll22Characters) {
  TelvDelegateRecord record = Record("x", "y");
  memcpy(record.delegator, "ABCDEFGHIJKLMNOPQRSTUV", 22);
  ASSERT_EQ(TelvSaveDelegate(server_, &record), 0u);
  EXPECT_EQ(Dump("srv1"), "1 0002 0FFFFFFF 00000000 00000000 0FFFFFF9 ABCDEFGHIJKLMNOPQRSTUV y\n");
}

TEST_F(DelegateApiTest, DelegationsPersistAcrossHandles) {
  Save("FrontDesk", "JMiller");
  TelvCloseServerHandle(server_);
  server_ = Connect("srv1");
  EXPECT_EQ(Pairs(Delegations(server_, nullptr)), (std::vector<std::string>{"FrontDesk>JMiller"}));
}

TEST_F(DelegateApiTest, EntryIdsAreNeverGivenOutTwice) {
  Save("a", "b");
  Save("c", "d");
  ASSERT_EQ(TelvDeleteDelegate(server_, 2), 0u);
  ASSERT_EQ(TelvDeleteDelegate(server_, 1), 0u);
  Save("e", "f");
  TelvCloseServerHandle(server_);
  server_ = Connect("srv1");
  Save("g", "h");
  EXPECT_EQ(EntryIds(Delegations(server_, nullptr)), (std::vector<uint32_t>{3, 4}));
}

TEST_F(DelegateApiTest, DeletingAMissingEntryFails) {
  Save("a", "b");
  EXPECT_EQ(TelvDeleteDelegate(server_, 2), kErrNoSuchDelegate);
  EXPECT_EQ(TelvDeleteDelegate(server_, 1), 0u);
  EXPECT_EQ(TelvDeleteDelegate(server_, 1), kErrNoSuchDelegate);
  EXPECT_EQ(ErrorText(kErrNoSuchDelegate), "Delegate entry not found");
}

TEST_F(DelegateApiTest, DeleteFaultKeepsThatEntryOnly) {
  Save("a", "b");
  Save("c", "d");
  MustTelvemu({"fault", "srv1", "delete", "1", "0x51"});
  EXPECT_EQ(TelvDeleteDelegate(server_, 1), 0x51u);
  EXPECT_EQ(TelvDeleteDelegate(server_, 2), 0u);
  EXPECT_EQ(EntryIds(Delegations(server_, nullptr)), (std::vector<uint32_t>{1}));
}

TEST_F(DelegateApiTest, SaveFaultMatchesThePairIgnoringCase) {
  MustTelvemu({"fault", "srv1", "save", "FrontDesk", "JMiller", "0x52"});
  TelvDelegateRecord record = Record("frontdesk", "JMILLER");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), 0x52u);
  Save("FrontDesk", "PLarsen");
  Save("JMiller", "FrontDesk");
  EXPECT_EQ(Pairs(Delegations(server_, nullptr)),
            (std::vector<std::string>{"FrontDesk>PLarsen", "JMiller>FrontDesk"}));
}

TEST_F(DelegateApiTest, CountedSaveFaultFailsThatManySavesThenGoes) {
  MustTelvemu({"fault", "srv1", "save", "FrontDesk", "JMiller", "0x52", "2"});
  TelvDelegateRecord record = Record("FrontDesk", "JMiller");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), 0x52u);
  EXPECT_EQ(Faults("srv1"), "save FrontDesk JMiller 0x52 1\n");
  record = Record("frontdesk", "JMILLER");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), 0x52u);
  EXPECT_EQ(Faults("srv1"), "");
  Save("FrontDesk", "JMiller");
  EXPECT_EQ(Pairs(Delegations(server_, nullptr)), (std::vector<std::string>{"FrontDesk>JMiller"}));
}

TEST_F(DelegateApiTest, CountedSaveFaultLeavesOtherPairsAlone) {
  MustTelvemu({"fault", "srv1", "save", "FrontDesk", "JMiller", "0x52", "1"});
  Save("FrontDesk", "PLarsen");
  Save("JMiller", "FrontDesk");
  EXPECT_EQ(Faults("srv1"), "save FrontDesk JMiller 0x52 1\n");
  TelvDelegateRecord record = Record("FrontDesk", "JMiller");
  EXPECT_EQ(TelvSaveDelegate(server_, &record), 0x52u);
  Save("FrontDesk", "JMiller");
  EXPECT_EQ(
      Pairs(Delegations(server_, nullptr)),
      (std::vector<std::string>{"FrontDesk>PLarsen", "JMiller>FrontDesk", "FrontDesk>JMiller"}));
}

TEST_F(DelegateApiTest, InvalidHandlesAndNullRecordsAreRefused) {
  TelvDelegateRecord record = Record("a", "b");
  EXPECT_EQ(TelvSaveDelegate(0, &record), kErrInvalidHandle);
  EXPECT_EQ(TelvSaveDelegate(server_, nullptr), kErrBadArgument);
  EXPECT_EQ(TelvDeleteDelegate(server_ + 1000, 1), kErrInvalidHandle);
  EXPECT_TRUE(Delegations(server_, nullptr).empty());
}

TEST_F(DelegateApiTest, RemovedServerIsUnknownToNewConnections) {
  Save("a", "b");
  MustTelvemu({"remove", "srv1"});
  uint32_t error = 0;
  EXPECT_EQ(TelvCreateServerHandle("srv1", 0, &error), 0u);
  EXPECT_EQ(error, kErrUnknownServer);
}

}  // namespace
