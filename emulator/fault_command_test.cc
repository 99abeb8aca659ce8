#include "fault_command.h"

#include <string>
#include <vector>

#include "gtest/gtest.h"

namespace {

FaultRequest parsed(const std::vector<std::string>& words) {
  FaultRequest request;
  std::string problem;
  EXPECT_TRUE(parseFaultRequest(words, &request, &problem)) << problem;
  return request;
}

std::string problem(const std::vector<std::string>& words) {
  FaultRequest request;
  std::string problem;
  EXPECT_FALSE(parseFaultRequest(words, &request, &problem));
  return problem;
}

TEST(FaultCommandTest, ConnectTakesACountOrAllAndOptionallyAText) {
  FaultRequest request = parsed({"connect", "2", "-17", "Server busy"});
  EXPECT_EQ(request.fault.kind, FaultKind::kConnect);
  EXPECT_EQ(request.fault.remaining, 2);
  EXPECT_EQ(request.fault.code, 0xFFFFFFEFu);
  EXPECT_TRUE(request.hasText);
  EXPECT_EQ(request.text, "Server busy");
  request = parsed({"connect", "all", "0x2711"});
  EXPECT_EQ(request.fault.remaining, -1);
  EXPECT_FALSE(request.hasText);
  EXPECT_EQ(problem({"connect", "0", "1"}), "bad attempt count '0'");
  EXPECT_EQ(problem({"connect", "some", "1"}), "bad attempt count 'some'");
  EXPECT_EQ(problem({"connect", "1", "x"}), "bad error code 'x'");
  EXPECT_EQ(problem({"connect", "1", "0x0"}), "error code '0x0' is success, not a fault");
}

TEST(FaultCommandTest, SaveTakesAnOptionalCount) {
  EXPECT_EQ(parsed({"save", "FrontDesk", "JMiller", "7"}).fault.remaining, -1);
  FaultRequest request = parsed({"save", "FrontDesk", "JMiller", "0x52", "2"});
  EXPECT_EQ(request.fault.code, 0x52u);
  EXPECT_EQ(request.fault.remaining, 2);
  EXPECT_EQ(problem({"save", "a", "b", "1", "0"}), "bad save count '0'");
  EXPECT_EQ(problem({"save", "a", "b", "1", "twice"}), "bad save count 'twice'");
  EXPECT_EQ(problem({"save", "a", "b", "1", "all"}), "bad save count 'all'");
  EXPECT_EQ(problem({"save", "a", "b", "1", "-2"}), "bad save count '-2'");
  EXPECT_EQ(problem({"save", "a", "b", "x", "2"}), "bad error code 'x'");
  EXPECT_EQ(problem({"save", "a", "b", "1", "2", "3"}),
            "wrong number of arguments for a save fault");
}

TEST(FaultCommandTest, EachKindReadsItsSubjects) {
  FaultRequest request = parsed({"list", "5", "JMiller"});
  EXPECT_EQ(request.fault.subject, "JMiller");
  EXPECT_EQ(request.fault.code, 5u);
  EXPECT_EQ(parsed({"list", "5"}).fault.subject, "");
  request = parsed({"delete", "0x10", "6"});
  EXPECT_EQ(request.fault.subject, "16");
  EXPECT_EQ(request.fault.code, 6u);
  request = parsed({"save", "FrontDesk", "JMiller", "7"});
  EXPECT_EQ(request.fault.subject, "FrontDesk");
  EXPECT_EQ(request.fault.subject2, "JMiller");
  EXPECT_EQ(parsed({"name", "FAX HOST"}).fault.subject, "FAX HOST");
  EXPECT_EQ(parsed({"sort", "0x41"}).fault.code, 0x41u);
  EXPECT_EQ(parsed({"info", "1"}).fault.kind, FaultKind::kInfo);
  EXPECT_EQ(parsed({"release", "1"}).fault.kind, FaultKind::kRelease);
  EXPECT_TRUE(parsed({"clear"}).clear);
}

TEST(FaultCommandTest, WrongWordsAreNamed) {
  EXPECT_EQ(problem({}), "missing fault kind");
  EXPECT_EQ(problem({"crash", "1"}), "unknown fault kind 'crash'");
  EXPECT_EQ(problem({"release"}), "wrong number of arguments for a release fault");
  EXPECT_EQ(problem({"save", "a", "b"}), "wrong number of arguments for a save fault");
  EXPECT_EQ(problem({"list", "1", "a", "b"}), "wrong number of arguments for a list fault");
  EXPECT_EQ(problem({"list", "1", ""}), "empty user");
  EXPECT_EQ(problem({"delete", "-1", "1"}), "bad entry ID '-1'");
  EXPECT_EQ(problem({"clear", "now"}), "unknown fault kind 'clear'");
}

TEST(FaultCommandTest, FormattedFaultsParseBackToThemselves) {
  for (const std::vector<std::string>& words :
       std::vector<std::vector<std::string>>{{"connect", "3", "0xFFFFFFEF"},
                                             {"connect", "all", "0x2A"},
                                             {"release", "0x63"},
                                             {"info", "0x1"},
                                             {"name", "FAXHOST-01"},
                                             {"list", "0x3F"},
                                             {"list", "0x40", "JMiller"},
                                             {"sort", "0x41"},
                                             {"delete", "7", "0x51"},
                                             {"save", "FrontDesk", "JMiller", "0x52"},
                                             {"save", "FrontDesk", "JMiller", "0x52", "3"}}) {
    std::string joined = words[0];
    for (size_t i = 1; i < words.size(); ++i) {
      joined += " " + words[i];
    }
    EXPECT_EQ(faultFormat(parsed(words).fault), joined);
  }
}

}  // namespace
