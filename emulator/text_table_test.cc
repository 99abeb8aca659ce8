#include "text_table.h"

#include <string>
#include <utility>
#include <vector>

#include "gtest/gtest.h"
#include "server_files.h"
#include "test_support.h"

namespace {

using TextTableTest = EmulatorTest;

TEST_F(TextTableTest, TextsAreReplacedAndListedByCode) {
  std::string error;
  ASSERT_TRUE(serverCreate("srv1", &error)) << error;
  Store store;
  ASSERT_TRUE(serverOpen("srv1", &store, &error)) << error;
  std::string longText(2000, 'w');
  ASSERT_TRUE(textSet(&store, 0xFFFFFFEF, "first"));
  ASSERT_TRUE(textSet(&store, 5, longText));
  ASSERT_TRUE(textSet(&store, 0xFFFFFFEF, "Server busy"));
  ASSERT_TRUE(textSet(&store, 6, ""));
  std::vector<std::pair<uint32_t, std::string>> texts;
  ASSERT_TRUE(textList(&store, &texts));
  EXPECT_EQ(texts, (std::vector<std::pair<uint32_t, std::string>>{
                       {5, longText}, {6, ""}, {0xFFFFFFEF, "Server busy"}}));
}

}  // namespace
