#include "arguments.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "attribute_text.h"
#include "gtest/gtest.h"
#include "presets.h"

namespace {

// A command line as main receives it: program name first, a null last.
struct CommandLine {
  explicit CommandLine(std::initializer_list<const char*> words) {
    storage.push_back("telvdelegate");
    storage.insert(storage.end(), words.begin(), words.end());
    for (std::string& word : storage) {
      argv.push_back(&word[0]);
    }
    argv.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(argv.size()) - 1; }

  std::vector<std::string> storage;
  std::vector<char*> argv;
};

// One parse of a command line, which its arguments point into.
struct Parse {
  explicit Parse(std::initializer_list<const char*> words) : line(words) {
    const char* message = parseArguments(line.argc(), line.argv.data(), &arguments);
    problem = message ? message : "";
  }
  Parse(const Parse&) = delete;

  CommandLine line;
  Arguments arguments;
  std::string problem;  // "" when the line is good
};

std::string problemOf(std::initializer_list<const char*> words) {
  return Parse(words).problem;
}

std::vector<std::string> userIdsOf(const Arguments& arguments) {
  std::vector<std::string> ids;
  for (const char* const* id = arguments.userIds; *id != nullptr; ++id) {
    ids.push_back(*id);
  }
  EXPECT_EQ(static_cast<int>(ids.size()), arguments.userIdCount);
  return ids;
}

const char kAll[] = "0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF";

TEST(ParseArguments, HelpFormsInAnyCaseAndUnknownOptionsLeadToTheUsage) {
  for (const char* help : {"-?", "/?", "-help", "/help", "-HELP", "/Help"}) {
    EXPECT_EQ(problemOf({help}), kUsageTitle) << help;
    EXPECT_EQ(problemOf({"-l", help, "host"}), kUsageTitle) << help;
  }
  EXPECT_EQ(problemOf({}), kUsageTitle);
  EXPECT_EQ(problemOf({"-AA", "host", "a", "b"}), kUsageTitle);
  EXPECT_EQ(problemOf({"-", "host"}), kUsageTitle);
  EXPECT_EQ(problemOf({"-x", "host"}), kUsageTitle);
  EXPECT_EQ(problemOf({"-ll", "host"}), kUsageTitle);
  // An option whose value is missing matches no option.
  EXPECT_EQ(problemOf({"host", "-i"}), "");  // after the server it is a user ID
  EXPECT_EQ(problemOf({"-s", "host", "-i"}), kUsageTitle);
  EXPECT_EQ(problemOf({"-o"}), kUsageTitle);
  EXPECT_EQ(problemOf({"-s"}), kUsageTitle);
}

TEST(ParseArguments, FirstNonOptionIsTheServerAndEndsTheOptions) {
  Parse listing({"host", "-l", "alice"});
  EXPECT_EQ(listing.problem, "");
  EXPECT_STREQ(listing.arguments.serverName, "host");
  EXPECT_FALSE(listing.arguments.longFormat);
  EXPECT_EQ(userIdsOf(listing.arguments), (std::vector<std::string>{"-l", "alice"}));

  // A slash that is not a help form is no option either.
  Parse slash({"/x", "y"});
  EXPECT_EQ(slash.problem, "");
  EXPECT_STREQ(slash.arguments.serverName, "/x");
  EXPECT_EQ(userIdsOf(slash.arguments), (std::vector<std::string>{"y"}));

  EXPECT_EQ(problemOf({"-l"}), kUsageTitle);  // no server at all
}

TEST(ParseArguments, OptionValuesAreTakenEvenWhenTheyLookLikeOptions) {
  Parse server({"-s", "-l", "x"});
  EXPECT_EQ(server.problem, "");
  EXPECT_STREQ(server.arguments.serverName, "-l");
  EXPECT_FALSE(server.arguments.longFormat);
  EXPECT_EQ(userIdsOf(server.arguments), (std::vector<std::string>{"x"}));

  Parse output({"-o", "-d", "host"});
  EXPECT_EQ(output.problem, "");
  EXPECT_STREQ(output.arguments.outputFileName, "-d");
  EXPECT_FALSE(output.arguments.deleteFlag);

  Parse input({"-i", "-help", "host"});
  EXPECT_EQ(input.problem, "");
  EXPECT_STREQ(input.arguments.inputFileName, "-help");
}

TEST(ParseArguments, WithServerOptionEveryRemainingArgumentIsAUserId) {
  Parse twice({"-s", "one", "-s", "two", "alice", "bob"});
  EXPECT_EQ(twice.problem, "");
  EXPECT_STREQ(twice.arguments.serverName, "two");  // a repeated -s keeps the last
  EXPECT_EQ(userIdsOf(twice.arguments), (std::vector<std::string>{"alice", "bob"}));

  Parse none({"-s", "host"});
  EXPECT_EQ(none.problem, "");
  EXPECT_EQ(userIdsOf(none.arguments), std::vector<std::string>{});
  EXPECT_EQ(none.arguments.userIds[0], nullptr);
}

TEST(ParseArguments, OutputFileSetsLongFormatAndLaterValuesWin) {
  Parse output({"-o", "first.txt", "-o", "-", "host"});
  EXPECT_EQ(output.problem, "");
  EXPECT_STREQ(output.arguments.outputFileName, "-");
  EXPECT_TRUE(output.arguments.longFormat);

  Parse input({"-i", "a.txt", "-i", "b.txt", "host", "al*"});
  EXPECT_EQ(input.problem, "");
  EXPECT_STREQ(input.arguments.inputFileName, "b.txt");
  EXPECT_FALSE(input.arguments.longFormat);
  EXPECT_EQ(userIdsOf(input.arguments), (std::vector<std::string>{"al*"}));
}

// The presets of the emulator's table, which sample servers use too: each
// add option's text reads as its preset's type code and masks.
TEST(ParseArguments, PresetsGiveTheirPermissionsAndTheLastOneWins) {
  for (const Preset& preset : kPresets) {
    std::string option = std::string("-a") + preset.name[0];
    Parse add({option.c_str(), "host", "alice", "bob"});
    EXPECT_EQ(add.problem, "");
    DelegateAttributes read;
    ASSERT_TRUE(readAttributeText(add.arguments.presetText, &read)) << option;
    EXPECT_EQ(read.typeCode, preset.type) << option;
    for (int mask = 0; mask < 4; ++mask) {
      EXPECT_EQ(read.masks[mask], preset.masks[mask]) << option << " mask " << mask + 1;
    }
  }
  Parse last({"-ar", "-l", "-aa", "host", "alice", "bob", "carol"});
  EXPECT_EQ(last.problem, "");
  EXPECT_STREQ(last.arguments.presetText, kAll);
  EXPECT_EQ(userIdsOf(last.arguments), (std::vector<std::string>{"alice", "bob", "carol"}));
}

TEST(ParseArguments, CombinationsAreCheckedInOrder) {
  const std::string addAlone = "Add (-a) cannot be used with any other option\n";
  const std::string addNeeds =
      "Add option (-a) requires delegator user-ID and one or more delegate names.\n";
  const std::string deleteAlone = "Delete (-d) cannot be used with any other option\n";
  const std::string deleteNeeds =
      "Delete option (-d) requires delegator user-ID and one or more delegate names.\n";
  const std::string oneFile = "Only one file option (-i or -o) can be specified\n";

  EXPECT_EQ(problemOf({"-aa", "-d", "host", "a", "b"}), addAlone);
  EXPECT_EQ(problemOf({"-aa", "-i", "f", "-o", "g"}), addAlone);  // before any other check
  EXPECT_EQ(problemOf({"-o", "f", "-ar", "host", "a", "b"}), addAlone);
  EXPECT_EQ(problemOf({"-aa", "host", "a"}), addNeeds);
  EXPECT_EQ(problemOf({"-aa"}), addNeeds);  // before the missing server
  EXPECT_EQ(problemOf({"-d", "-i", "f", "host", "a", "b"}), deleteAlone);
  EXPECT_EQ(problemOf({"-d", "-o", "f", "-i", "g"}), deleteAlone);
  EXPECT_EQ(problemOf({"-d", "host", "a"}), deleteNeeds);
  EXPECT_EQ(problemOf({"-i", "f", "-o", "g", "host"}), oneFile);
  EXPECT_EQ(problemOf({"-i", "f", "-o", "g"}), oneFile);  // before the missing server

  // -l conflicts with nothing.
  EXPECT_EQ(problemOf({"-l", "-aa", "host", "a", "b"}), "");
  EXPECT_EQ(problemOf({"-l", "-d", "host", "a", "b"}), "");
  EXPECT_EQ(problemOf({"-l", "-i", "f", "host"}), "");
}

}  // namespace
