#include "fault_table.h"

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "server_files.h"
#include "test_support.h"

namespace {

class FaultTableTest : public StoreTest {
 protected:
  void set(FaultKind kind, uint32_t code, const std::string& subject = "",
           const std::string& subject2 = "", int64_t remaining = -1) {
    Fault fault;
    fault.kind = kind;
    fault.code = code;
    fault.subject = subject;
    fault.subject2 = subject2;
    fault.remaining = remaining;
    ASSERT_TRUE(faultSet(&store_, fault));
  }

  std::vector<std::string> listed() {
    std::vector<Fault> faults;
    EXPECT_TRUE(faultList(&store_, &faults));
    std::vector<std::string> lines;
    for (const Fault& fault : faults) {
      lines.push_back(faultFormat(fault));
    }
    return lines;
  }

};

TEST_F(FaultTableTest, ASecondFaultOfASingleKindReplacesTheFirst) {
  set(FaultKind::kRelease, 1);
  set(FaultKind::kRelease, 2);
  set(FaultKind::kName, 0, "one");
  set(FaultKind::kName, 0, "two");
  EXPECT_EQ(listed(), (std::vector<std::string>{"release 0x2", "name two"}));
}

TEST_F(FaultTableTest, SubjectsMatchIgnoringCaseAndKeepFaultsApart) {
  set(FaultKind::kList, 0x10);
  set(FaultKind::kList, 0x11, "JMiller");
  set(FaultKind::kList, 0x12, "jmiller");  // the same user again
  set(FaultKind::kSave, 0x13, "FrontDesk", "JMiller");
  Fault fault;
  ASSERT_EQ(faultFind(&store_, FaultKind::kList, "JMILLER", "", &fault), FaultLookup::kFound);
  EXPECT_EQ(fault.code, 0x12u);
  ASSERT_EQ(faultFind(&store_, FaultKind::kList, "", "", &fault), FaultLookup::kFound);
  EXPECT_EQ(fault.code, 0x10u);
  EXPECT_EQ(faultFind(&store_, FaultKind::kList, "PLarsen", "", &fault), FaultLookup::kNone);
  ASSERT_EQ(faultFind(&store_, FaultKind::kSave, "frontdesk", "JMILLER", &fault),
            FaultLookup::kFound);
  EXPECT_EQ(fault.code, 0x13u);
  EXPECT_EQ(faultFind(&store_, FaultKind::kSave, "JMiller", "FrontDesk", &fault),
            FaultLookup::kNone);
  EXPECT_EQ(listed(), (std::vector<std::string>{"list 0x10", "list 0x12 jmiller",
                                                "save FrontDesk JMiller 0x13"}));
}

TEST_F(FaultTableTest, ConnectFaultRunsOutAfterItsCount) {
  set(FaultKind::kConnect, 7, "", "", 2);
  uint32_t code = 0;
  ASSERT_EQ(faultTakeConnect(&store_, &code), FaultLookup::kFound);
  EXPECT_EQ(code, 7u);
  EXPECT_EQ(listed(), (std::vector<std::string>{"connect 1 0x7"}));
  ASSERT_EQ(faultTakeConnect(&store_, &code), FaultLookup::kFound);
  EXPECT_EQ(faultTakeConnect(&store_, &code), FaultLookup::kNone);
  EXPECT_TRUE(listed().empty());
}

TEST_F(FaultTableTest, ConnectFaultForAllIsNeverUsedUp) {
  set(FaultKind::kConnect, 8);
  uint32_t code = 0;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(faultTakeConnect(&store_, &code), FaultLookup::kFound);
  }
  EXPECT_EQ(listed(), (std::vector<std::string>{"connect all 0x8"}));
}

TEST_F(FaultTableTest, CountedSaveFaultRunsOutForItsPairOnly) {
  set(FaultKind::kSave, 9, "FrontDesk", "JMiller", 2);
  set(FaultKind::kSave, 10, "FrontDesk", "PLarsen");
  Fault fault;
  ASSERT_EQ(faultTake(&store_, FaultKind::kSave, "frontdesk", "jmiller", &fault),
            FaultLookup::kFound);
  EXPECT_EQ(fault.code, 9u);
  EXPECT_EQ(listed(), (std::vector<std::string>{"save FrontDesk JMiller 0x9 1",
                                                "save FrontDesk PLarsen 0xA"}));
  ASSERT_EQ(faultTake(&store_, FaultKind::kSave, "FrontDesk", "JMiller", &fault),
            FaultLookup::kFound);
  EXPECT_EQ(faultTake(&store_, FaultKind::kSave, "FrontDesk", "JMiller", &fault),
            FaultLookup::kNone);
  ASSERT_EQ(faultTake(&store_, FaultKind::kSave, "FrontDesk", "PLarsen", &fault),
            FaultLookup::kFound);
  EXPECT_EQ(listed(), (std::vector<std::string>{"save FrontDesk PLarsen 0xA"}));
}

TEST_F(FaultTableTest, ClearRemovesEveryFault) {
  set(FaultKind::kSort, 1);
  set(FaultKind::kDelete, 2, "5");
  ASSERT_TRUE(faultClear(&store_));
  EXPECT_TRUE(listed().empty());
}

TEST_F(FaultTableTest, KindNamesRoundTrip) {
  for (FaultKind kind :
       {FaultKind::kConnect, FaultKind::kRelease, FaultKind::kInfo, FaultKind::kName,
        FaultKind::kList, FaultKind::kSort, FaultKind::kDelete, FaultKind::kSave}) {
    FaultKind back = FaultKind::kConnect;
    ASSERT_TRUE(faultKindFromName(faultKindName(kind), &back));
    EXPECT_EQ(back, kind);
  }
  FaultKind unused;
  EXPECT_FALSE(faultKindFromName("Connect", &unused));
}

}  // namespace
