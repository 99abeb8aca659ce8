#include "seed.h"

#include <ctype.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "presets.h"
#include "test_support.h"

namespace {

std::vector<DelegationRow> generate(uint64_t count, uint64_t seed) {
  std::vector<DelegationRow> rows;
  seedGenerate(count, seed, [&](const DelegationRow& row) { rows.push_back(row); });
  return rows;
}

std::string lower(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

std::vector<std::string> lines(const std::vector<DelegationRow>& rows) {
  std::vector<std::string> lines;
  for (const DelegationRow& row : rows) {
    lines.push_back(row.delegator + ">" + row.delegate + " " + std::to_string(row.masks[3]));
  }
  return lines;
}

TEST(SeedTest, SameSeedGivesSameRowsAndAnotherSeedOthers) {
  EXPECT_EQ(lines(generate(500, 7)), lines(generate(500, 7)));
  EXPECT_NE(lines(generate(500, 7)), lines(generate(500, 8)));
  EXPECT_TRUE(generate(0, 7).empty());
}

TEST(SeedTest, RowsLookLikeARealServer) {
  std::vector<DelegationRow> rows = generate(8000, 1);
  ASSERT_EQ(rows.size(), 8000u);
  std::set<std::string> users;
  std::map<std::string, std::set<std::string>> delegatesOf;
  std::set<std::string> pairs;
  size_t repeatedPairs = 0;
  size_t fullLength = 0;
  size_t mixedCase = 0;
  for (const DelegationRow& row : rows) {
    for (const std::string* id : {&row.delegator, &row.delegate}) {
      ASSERT_FALSE(id->empty());
      ASSERT_LE(id->size(), 21u) << *id;
      users.insert(lower(*id));
      fullLength += id->size() == 21;
      mixedCase += lower(*id) != *id;
    }
    EXPECT_NE(lower(row.delegator), lower(row.delegate));
    delegatesOf[lower(row.delegator)].insert(lower(row.delegate));
    repeatedPairs += !pairs.insert(lower(row.delegator) + ">" + lower(row.delegate)).second;
    bool isPreset = false;
    for (const Preset& preset : kPresets) {
      isPreset = isPreset || (row.type == preset.type && row.masks[0] == preset.masks[0] &&
                              row.masks[1] == preset.masks[1] && row.masks[2] == preset.masks[2] &&
                              row.masks[3] == preset.masks[3]);
    }
    EXPECT_TRUE(isPreset);
    EXPECT_TRUE(row.reserved.empty());
  }
  EXPECT_LE(users.size(), 1000u);
  EXPECT_GE(users.size(), 900u);
  EXPECT_GE(repeatedPairs, 8000u * 1 / 100);
  EXPECT_LE(repeatedPairs, 8000u * 6 / 100);
  EXPECT_GT(fullLength, 0u);
  EXPECT_GT(mixedCase, 8000u);
  size_t withSeveral = 0;
  for (const auto& entry : delegatesOf) {
    withSeveral += entry.second.size() >= 3;
  }
  EXPECT_GT(withSeveral, delegatesOf.size() / 2);
}

using SeedCommandTest = EmulatorTest;

TEST_F(SeedCommandTest, SameSeedGivesTheSameDump) {
  mustTelvemu({"create", "one"});
  mustTelvemu({"create", "two"});
  mustTelvemu({"create", "three"});
  mustTelvemu({"seed", "one", "300", "42"});
  mustTelvemu({"seed", "two", "300", "42"});
  mustTelvemu({"seed", "three", "300", "43"});
  std::string one = dump("one");
  EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), 300);
  EXPECT_EQ(one, dump("two"));
  EXPECT_NE(one, dump("three"));
}

}  // namespace
