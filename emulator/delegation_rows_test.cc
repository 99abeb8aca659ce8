#include "delegation_rows.h"

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "server_files.h"
#include "test_support.h"

namespace {

class DelegationRowsTest : public StoreTest {
 protected:
  uint32_t insert(const std::string& delegator, const std::string& delegate) {
    DelegationRow row;
    row.delegator = delegator;
    row.delegate = delegate;
    uint32_t id = 0;
    EXPECT_TRUE(rowsInsert(&store_, row, &id));
    return id;
  }

  std::vector<std::string> visit(const char* delegate) {
    std::vector<std::string> seen;
    EXPECT_TRUE(rowsForEach(&store_, delegate, [&](const DelegationRow& row) {
      seen.push_back(std::to_string(row.id) + ":" + row.delegator + ">" + row.delegate);
    }));
    return seen;
  }

  std::string queryPlan(const char* sql) {
    std::string plan;
    sqlite3_stmt* statement = nullptr;
    std::string explain = std::string("EXPLAIN QUERY PLAN ") + sql;
    EXPECT_EQ(sqlite3_prepare_v2(store_.db, explain.c_str(), -1, &statement, nullptr), SQLITE_OK);
    while (sqlite3_step(statement) == SQLITE_ROW) {
      plan += reinterpret_cast<const char*>(sqlite3_column_text(statement, 3));
      plan += "\n";
    }
    sqlite3_finalize(statement);
    return plan;
  }

};

TEST_F(DelegationRowsTest, RowsComeInEntryIdOrderAndMatchDelegatesIgnoringCase) {
  EXPECT_EQ(insert("Zed", "bob"), 1u);
  EXPECT_EQ(insert("Amy", "Carl"), 2u);
  EXPECT_EQ(insert("Max", "BOB"), 3u);
  EXPECT_EQ(visit(nullptr), (std::vector<std::string>{"1:Zed>bob", "2:Amy>Carl", "3:Max>BOB"}));
  EXPECT_EQ(visit("Bob"), (std::vector<std::string>{"1:Zed>bob", "3:Max>BOB"}));
  EXPECT_TRUE(visit("Zed").empty());
  uint64_t count = 0;
  ASSERT_TRUE(rowsCount(&store_, "bOB", &count));
  EXPECT_EQ(count, 2u);
  ASSERT_TRUE(rowsCount(&store_, nullptr, &count));
  EXPECT_EQ(count, 3u);
}

TEST_F(DelegationRowsTest, CaseFoldingIsAsciiOnly) {
  insert("a", "\xC3\x89mile");                 // É
  EXPECT_TRUE(visit("\xC3\xA9mile").empty());  // é
  EXPECT_EQ(visit("\xC3\x89MILE").size(), 1u);
}

TEST_F(DelegationRowsTest, DeleteTellsMissingFromDeleted) {
  uint32_t id = insert("a", "b");
  EXPECT_EQ(rowsDelete(&store_, id), DeleteOutcome::kDeleted);
  EXPECT_EQ(rowsDelete(&store_, id), DeleteOutcome::kMissing);
  EXPECT_EQ(insert("c", "d"), id + 1);
}

TEST_F(DelegationRowsTest, UserLookupUsesTheIndexWithoutSorting) {
  std::string plan =
      queryPlan("SELECT * FROM delegations WHERE delegate = 'x' COLLATE NOCASE ORDER BY id");
  EXPECT_NE(plan.find("USING INDEX delegations_by_delegate"), std::string::npos) << plan;
  EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
}

}  // namespace
