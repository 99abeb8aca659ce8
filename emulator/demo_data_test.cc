#include "demo_data.h"

#include <ctype.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "presets.h"
#include "test_support.h"

namespace {

std::string lower(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

TEST(DemoDataTest, RowsAreUnsortedUsePresetsAndRepeatAPairInOtherCase) {
  std::vector<DelegationRow> rows = demoRows();
  ASSERT_EQ(rows.size(), 8u);
  std::vector<std::string> delegators;
  std::vector<std::string> delegates;
  std::set<std::string> pairs;
  std::set<std::string> presetsUsed;
  bool pairInOtherCase = false;
  for (const DelegationRow& row : rows) {
    delegators.push_back(lower(row.delegator));
    delegates.push_back(lower(row.delegate));
    pairInOtherCase =
        pairInOtherCase || !pairs.insert(lower(row.delegator) + ">" + lower(row.delegate)).second;
    for (const Preset& preset : kPresets) {
      if (row.type == preset.type && row.masks[0] == preset.masks[0] &&
          row.masks[1] == preset.masks[1] && row.masks[2] == preset.masks[2] &&
          row.masks[3] == preset.masks[3]) {
        presetsUsed.insert(preset.name);
      }
    }
  }
  EXPECT_FALSE(std::is_sorted(delegators.begin(), delegators.end()));
  EXPECT_FALSE(std::is_sorted(delegates.begin(), delegates.end()));
  EXPECT_TRUE(pairInOtherCase);
  EXPECT_EQ(presetsUsed.size(), static_cast<size_t>(kPresetCount));
}

using DemoCommandTest = EmulatorTest;

TEST_F(DemoCommandTest, DemoIsMadeAfreshEachTime) {
  mustTelvemu({"demo"});
  mustTelvemu({"add", "demo", "extra", "user"});
  mustTelvemu({"fault", "demo", "release", "1"});
  mustTelvemu({"demo"});
  EXPECT_EQ(dump("demo"),
            "1 0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 FrontDesk JMiller\n"
            "2 0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt\n"
            "3 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF Accounting BKowalski\n"
            "4 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller\n"
            "5 0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 jmiller Assistant01\n"
            "6 0002 00000000 00000000 00000000 00000000 Support anna.schmidt\n"
            "7 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF CEO-Office PLarsen\n"
            "8 0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski\n");
  std::string faults;
  EXPECT_EQ(telvemu({"faults", "demo"}, &faults), 0);
  EXPECT_EQ(faults, "");
}

}  // namespace
