#include "telvemu_cli.h"

#include <chrono>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "test_support.h"

namespace {

using TelvemuTest = EmulatorTest;

TEST_F(TelvemuTest, BadArgumentsPrintUsageAndExitWith2) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"frobnicate"},
           {"create"},
           {"create", "a", "b"},
           {"demo", "x"},
           {"add", "srv1", "a"},
           {"add", "srv1", "a", "b", "2", "0", "0", "0"},
           {"add", "srv1", "a", "b", "2", "0", "0", "0", "XYZ"},
           {"seed", "srv1", "many"},
           {"seed", "srv1", "10", "-1"},
           {"fault", "srv1"},
           {"fault", "srv1", "release", "soon"},
           {"text", "srv1", "0xZ", "text"},
           {"latency", "srv1"},
           {"latency", "srv1", "-1"},
           {"latency", "srv1", "60001"},
       }) {
    std::string out;
    std::string err;
    EXPECT_EQ(telvemu(args, &out, &err), 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find(kTelvemuUsage), std::string::npos) << err;
  }
}

TEST_F(TelvemuTest, HelpPrintsUsageAndExitsWith0) {
  for (const char* help : {"-h", "--help"}) {
    std::string out;
    std::string err;
    EXPECT_EQ(telvemu({help}, &out, &err), 0) << help;
    EXPECT_EQ(out, kTelvemuUsage);
    EXPECT_EQ(err, "");
  }
  std::string err;
  EXPECT_EQ(telvemu({"-h", "demo"}, nullptr, &err), 2);
}

TEST_F(TelvemuTest, FailuresExplainThemselvesAndExitWith1) {
  std::string err;
  EXPECT_EQ(telvemu({"dump", "srv1"}, nullptr, &err), 1);
  EXPECT_EQ(err, "telvemu: server 'srv1' does not exist\n");
  EXPECT_EQ(telvemu({"fault", "srv1", "release", "1"}, nullptr, &err), 1);
  EXPECT_EQ(telvemu({"remove", "srv1"}, nullptr, &err), 1);
  mustTelvemu({"create", "srv1"});
  EXPECT_EQ(telvemu({"create", "srv1"}, nullptr, &err), 1);
  EXPECT_EQ(err, "telvemu: server 'srv1' already exists\n");
  EXPECT_EQ(telvemu({"create", "a/b"}, nullptr, &err), 1);
  EXPECT_EQ(err, "telvemu: 'a/b' cannot be a server name\n");

  // An output that fails, as on a full disk, fails the command.
  std::ostream full(nullptr);
  std::ostringstream errStream;
  EXPECT_EQ(runTelvemu({"dump", "srv1"}, full, errStream), 1);
  EXPECT_EQ(errStream.str(), "telvemu: can't write standard output\n");
}

TEST_F(TelvemuTest, AddTakesDefaultsOrHexValuesAndPrintsNothing) {
  mustTelvemu({"create", "srv1"});
  std::string out = "unset";
  EXPECT_EQ(telvemu({"add", "srv1", "FrontDesk", "JMiller"}, &out), 0);
  EXPECT_EQ(out, "");
  mustTelvemu({"add", "srv1", "Sales", "anna", "2", "0FFFFFFF", "0x0FFFFFFF", "0", "fffffff9"});
  EXPECT_EQ(dump("srv1"),
            "1 0002 0FFFFFFF 00000000 00000000 00000000 FrontDesk JMiller\n"
            "2 0002 0FFFFFFF 0FFFFFFF 00000000 FFFFFFF9 Sales anna\n");
}

TEST_F(TelvemuTest, AddAcceptsUserIdsOfUpTo22Characters) {
  mustTelvemu({"create", "srv1"});
  std::string longest(22, 'L');
  mustTelvemu({"add", "srv1", longest, "x"});
  std::string err;
  EXPECT_EQ(telvemu({"add", "srv1", "x", longest + "M"}, nullptr, &err), 1);
  EXPECT_NE(err.find("must have 1 to 22 characters"), std::string::npos) << err;
  EXPECT_EQ(telvemu({"add", "srv1", "", "x"}, nullptr, &err), 1);
  EXPECT_EQ(dump("srv1"), "1 0002 0FFFFFFF 00000000 00000000 00000000 " + longest + " x\n");
}

TEST_F(TelvemuTest, LatencyOutlivesFaultClearAndSlowsEveryCallOnTheServer) {
  mustTelvemu({"create", "srv1"});
  mustTelvemu({"latency", "srv1", "40"});
  mustTelvemu({"fault", "srv1", "clear"});
  mustTelvemu({"fault", "srv1", "release", "99"});
  std::string out;
  EXPECT_EQ(telvemu({"faults", "srv1"}, &out), 0);
  EXPECT_EQ(out, "latency 40\nrelease 0x63\n");
  auto start = std::chrono::steady_clock::now();
  uint32_t server = connect("srv1");
  EXPECT_EQ(TelvVersionCheck(server, 0, 0), 99u);  // the connect and the call wait
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(80));
  TelvCloseServerHandle(server);
  mustTelvemu({"latency", "srv1", "0"});
  EXPECT_EQ(telvemu({"faults", "srv1"}, &out), 0);
  EXPECT_EQ(out, "release 0x63\n");
}

TEST_F(TelvemuTest, FaultsAreListedAsTheFaultCommandTakesThem) {
  mustTelvemu({"create", "srv1"});
  const std::vector<std::string> lines = {"connect 2 0xFFFFFFEF",
                                          "release 0x63",
                                          "info 0x4D",
                                          "name FAXHOST-01",
                                          "list 0x3F",
                                          "list 0x40 JMiller",
                                          "sort 0x41",
                                          "delete 7 0x51",
                                          "save FrontDesk JMiller 0x52",
                                          "save FrontDesk PLarsen 0x53 2"};
  mustTelvemu({"fault", "srv1", "connect", "2", "-17", "Server busy"});
  mustTelvemu({"fault", "srv1", "release", "99"});
  mustTelvemu({"fault", "srv1", "info", "77"});
  mustTelvemu({"fault", "srv1", "name", "FAXHOST-01"});
  mustTelvemu({"fault", "srv1", "list", "63"});
  mustTelvemu({"fault", "srv1", "list", "64", "JMiller"});
  mustTelvemu({"fault", "srv1", "sort", "65"});
  mustTelvemu({"fault", "srv1", "delete", "7", "81"});
  mustTelvemu({"fault", "srv1", "save", "FrontDesk", "JMiller", "82"});
  mustTelvemu({"fault", "srv1", "save", "FrontDesk", "PLarsen", "83", "2"});
  std::string expected;
  for (const std::string& line : lines) {
    expected += line + "\n";
  }
  std::string out;
  EXPECT_EQ(telvemu({"faults", "srv1"}, &out), 0);
  EXPECT_EQ(out, expected);
  EXPECT_EQ(dump("srv1"), "");

  mustTelvemu({"fault", "srv1", "clear"});
  EXPECT_EQ(telvemu({"faults", "srv1"}, &out), 0);
  EXPECT_EQ(out, "");
  // Each listed line, given back to "fault", sets the fault it describes.
  for (const std::string& line : lines) {
    std::vector<std::string> args = {"fault", "srv1"};
    for (size_t start = 0, end; start <= line.size(); start = end + 1) {
      end = line.find(' ', start);
      end = end == std::string::npos ? line.size() : end;
      args.push_back(line.substr(start, end - start));
    }
    mustTelvemu(args);
  }
  EXPECT_EQ(telvemu({"faults", "srv1"}, &out), 0);
  EXPECT_EQ(out, expected);
}

TEST_F(TelvemuTest, RemoveForgetsTheServer) {
  mustTelvemu({"create", "srv1"});
  mustTelvemu({"remove", "srv1"});
  std::string err;
  EXPECT_EQ(telvemu({"dump", "srv1"}, nullptr, &err), 1);
  mustTelvemu({"create", "srv1"});
}

}  // namespace
