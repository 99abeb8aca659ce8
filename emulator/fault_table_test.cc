#include "fault_table.h"

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "server_files.h"
#include "test_support.h"

namespace {

class FaultTableTest : public EmulatorTest {
 protected:
  void SetUp() override {
    EmulatorTest::SetUp();
    std::string error;
    ASSERT_TRUE(ServerCreate("srv1", &error)) << error;
    ASSERT_TRUE(ServerOpen("srv1", &store_, &error)) << error;
  }

  void Set(FaultKind kind, uint32_t code, const std::string& subject = "",
           const std::string& subject2 = "", int64_t remaining = -1) {
    Fault fault;
    fault.kind = kind;
    fault.code = code;
    fault.subject = subject;
    fault.subject2 = subject2;
    fault.remaining = remaining;
    ASSERT_TRUE(FaultSet(&store_, fault));
  }

  std::vector<std::string> Listed() {
    std::vector<Fault> faults;
    EXPECT_TRUE(FaultList(&store_, &faults));
    std::vector<std::string> lines;
    for (const Fault& fault : faults) {
      lines.push_back(FaultFormat(fault));
    }
    return lines;
  }

  Store store_;
};

TEST_F(FaultTableTest, ASecondFaultOfASingleKindReplacesTheFirst) {
  Set(FaultKind::kRelease, 1);
  Set(FaultKind::kRelease, 2);
  Set(FaultKind::kName, 0, "one");
  Set(FaultKind::kName, 0, "two");
  EXPECT_EQ(Listed(), (std::vector<std::string>{"release 0x2", "name two"}));
}

TEST_F(FaultTableTest, SubjectsMatchIgnoringCaseAndKeepFaultsApart) {
  Set(FaultKind::kList, 0x10);
  Set(FaultKind::kList, 0x11, "JMiller");
  Set(FaultKind::kList, 0x12, "jmiller");  // the same user again
  Set(FaultKind::kSave, 0x13, "FrontDesk", "JMiller");
  Fault fault;
  ASSERT_EQ(FaultFind(&store_, FaultKind::kList, "JMILLER", "", &fault), FaultLookup::kFound);
  EXPECT_EQ(fault.code, 0x12u);
  ASSERT_EQ(FaultFind(&store_, FaultKind::kList, "", "", &fault), FaultLookup::kFound);
  EXPECT_EQ(fault.code, 0x10u);
  EXPECT_EQ(FaultFind(&store_, FaultKind::kList, "PLarsen", "", &fault), FaultLookup::kNone);
  ASSERT_EQ(FaultFind(&store_, FaultKind::kSave, "frontdesk", "JMILLER", &fault),
            FaultLookup::kFound);
  EXPECT_EQ(fault.code, 0x13u);
  EXPECT_EQ(FaultFind(&store_, FaultKind::kSave, "JMiller", "FrontDesk", &fault),
            FaultLookup::kNone);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"list 0x10", "list 0x12 jmiller",
                                                "save FrontDesk JMiller 0x13"}));
}

TEST_F(FaultTableTest, ConnectFaultRunsOutAfterItsCount) {
  Set(FaultKind::kConnect, 7, "", "", 2);
  uint32_t code = 0;
  ASSERT_EQ(FaultTakeConnect(&store_, &code), FaultLookup::kFound);
  EXPECT_EQ(code, 7u);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"connect 1 0x7"}));
  ASSERT_EQ(FaultTakeConnect(&store_, &code), FaultLookup::kFound);
  EXPECT_EQ(FaultTakeConnect(&store_, &code), FaultLookup::kNone);
  EXPECT_TRUE(Listed().empty());
}

TEST_F(FaultTableTest, ConnectFaultForAllIsNeverUsedUp) {
  Set(FaultKind::kConnect, 8);
  uint32_t code = 0;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(FaultTakeConnect(&store_, &code), FaultLookup::kFound);
  }
  EXPECT_EQ(Listed(), (std::vector<std::string>{"connect all 0x8"}));
}

TEST_F(FaultTableTest, CountedSaveFaultRunsOutForItsPairOnly) {
  Set(FaultKind::kSave, 9, "FrontDesk", "JMiller", 2);
  Set(FaultKind::kSave, 10, "FrontDesk", "PLarsen");
  Fault fault;
  ASSERT_EQ(FaultTake(&store_, FaultKind::kSave, "frontdesk", "jmiller", &fault),
            FaultLookup::kFound);
  EXPECT_EQ(fault.code, 9u);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"save FrontDesk JMiller 0x9 1",
                                                "save FrontDesk PLarsen 0xA"}));
  ASSERT_EQ(FaultTake(&store_, FaultKind::kSave, "FrontDesk", "JMiller", &fault),
            FaultLookup::kFound);
  EXPECT_EQ(FaultTake(&store_, FaultKind::kSave, "FrontDesk", "JMiller", &fault),
            FaultLookup::kNone);
  ASSERT_EQ(FaultTake(&store_, FaultKind::kSave, "FrontDesk", "PLarsen", &fault),
            FaultLookup::kFound);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"save FrontDesk PLarsen 0xA"}));
}

TEST_F(FaultTableTest, ClearRemovesEveryFault) {
  Set(FaultKind::kSort, 1);
  Set(FaultKind::kDelete, 2, "5");
  ASSERT_TRUE(FaultClear(&store_));
  EXPECT_TRUE(Listed().empty());
}

TEST_F(FaultTableTest, KindNamesRoundTrip) {
  for (FaultKind kind :
       {FaultKind::kConnect, FaultKind::kRelease, FaultKind::kInfo, FaultKind::kName,
        FaultKind::kList, FaultKind::kSort, FaultKind::kDelete, FaultKind::kSave}) {
    FaultKind back = FaultKind::kConnect;
    ASSERT_TRUE(FaultKindFromName(FaultKindName(kind), &back));
    EXPECT_EQ(back, kind);
  }
  FaultKind unused;
  EXPECT_FALSE(FaultKindFromName("Connect", &unused));
}

}  // namespace
