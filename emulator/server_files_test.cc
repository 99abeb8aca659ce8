#include "server_files.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "gtest/gtest.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using ServerFilesTest = EmulatorTest;

TEST_F(ServerFilesTest, CreateMakesTheFolderAndRefusesAnExistingServer) {
  std::string nested = dir_ + "/deeper/servers";
  setenv("TELVEMU_DIR", nested.c_str(), 1);
  std::string error;
  ASSERT_TRUE(ServerCreate("Srv1", &error)) << error;
  EXPECT_TRUE(fs::exists(nested + "/srv1.db"));
  EXPECT_FALSE(ServerCreate("SRV1", &error));
  EXPECT_EQ(error, "server 'SRV1' already exists");
  EXPECT_FALSE(ServerCreate(".x", &error));
  EXPECT_EQ(error, "'.x' cannot be a server name");
}

TEST_F(ServerFilesTest, ServerReportsTheNameItWasCreatedWith) {
  std::string error;
  ASSERT_TRUE(ServerCreate("FaxHost", &error)) << error;
  Store store;
  ASSERT_TRUE(ServerOpen("faxhost", &store, &error)) << error;
  std::string name;
  ASSERT_TRUE(ServerReportedName(&store, &name));
  EXPECT_EQ(name, "FaxHost");
}

TEST_F(ServerFilesTest, OpeningAMissingServerCreatesNothing) {
  Store store;
  std::string error;
  EXPECT_FALSE(ServerOpen("missing", &store, &error));
  EXPECT_EQ(store.db, nullptr);
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ServerFilesTest, RemoveDeletesTheDatabaseAndItsWalFiles) {
  std::string error;
  ASSERT_TRUE(ServerCreate("srv1", &error));
  // What a process killed while using the server leaves behind.
  std::ofstream(dir_ + "/srv1.db-wal") << "log";
  std::ofstream(dir_ + "/srv1.db-shm") << "index";
  ASSERT_TRUE(ServerRemove("SRV1", &error)) << error;
  EXPECT_TRUE(fs::is_empty(dir_));
  EXPECT_FALSE(ServerRemove("srv1", &error));
  EXPECT_EQ(error, "server 'srv1' does not exist");
}

TEST_F(ServerFilesTest, RemoveLeavesAFileThatIsNoServerDatabase) {
  std::ofstream(dir_ + "/notes.db") << "not a database, but someone's notes\n";
  std::string error;
  EXPECT_FALSE(ServerRemove("notes", &error));
  EXPECT_EQ(error, dir_ + "/notes.db is not a server database; left alone");
  EXPECT_TRUE(fs::exists(dir_ + "/notes.db"));
}

TEST_F(ServerFilesTest, ServerUsesWriteAheadLogging) {
  std::string error;
  ASSERT_TRUE(ServerCreate("srv1", &error));
  Store store;
  ASSERT_TRUE(ServerOpen("srv1", &store, &error));
  sqlite3_stmt* mode = StoreStatement(&store, "PRAGMA journal_mode");
  StatementScope scope(mode);
  ASSERT_EQ(sqlite3_step(mode), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(mode, 0)), "wal");
}

}  // namespace
