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
  ASSERT_TRUE(serverCreate("Srv1", &error)) << error;
  EXPECT_TRUE(fs::exists(nested + "/srv1.db"));
  EXPECT_FALSE(serverCreate("SRV1", &error));
  EXPECT_EQ(error, "server 'SRV1' already exists");
  EXPECT_FALSE(serverCreate(".x", &error));
  EXPECT_EQ(error, "'.x' cannot be a server name");
}

TEST_F(ServerFilesTest, ServerReportsTheNameItWasCreatedWith) {
  std::string error;
  ASSERT_TRUE(serverCreate("FaxHost", &error)) << error;
  Store store;
  ASSERT_TRUE(serverOpen("faxhost", &store, &error)) << error;
  std::string name;
  ASSERT_TRUE(serverReportedName(&store, &name));
  EXPECT_EQ(name, "FaxHost");
}

TEST_F(ServerFilesTest, OpeningAMissingServerCreatesNothing) {
  Store store;
  std::string error;
  EXPECT_FALSE(serverOpen("missing", &store, &error));
  EXPECT_EQ(store.db, nullptr);
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ServerFilesTest, RemoveDeletesTheDatabaseAndItsWalFiles) {
  std::string error;
  ASSERT_TRUE(serverCreate("srv1", &error));
  // What a process killed while using the server leaves behind.
  std::ofstream(dir_ + "/srv1.db-wal") << "log";
  std::ofstream(dir_ + "/srv1.db-shm") << "index";
  ASSERT_TRUE(serverRemove("SRV1", &error)) << error;
  EXPECT_TRUE(fs::is_empty(dir_));
  EXPECT_FALSE(serverRemove("srv1", &error));
  EXPECT_EQ(error, "server 'srv1' does not exist");
}

TEST_F(ServerFilesTest, RemoveLeavesAFileThatIsNoServerDatabase) {
  std::ofstream(dir_ + "/notes.db") << "not a database, but someone's notes\n";
  std::string error;
  EXPECT_FALSE(serverRemove("notes", &error));
  EXPECT_EQ(error, dir_ + "/notes.db is not a server database; left alone");
  EXPECT_TRUE(fs::exists(dir_ + "/notes.db"));
}

TEST_F(ServerFilesTest, ServerUsesWriteAheadLogging) {
  std::string error;
  ASSERT_TRUE(serverCreate("srv1", &error));
  Store store;
  ASSERT_TRUE(serverOpen("srv1", &store, &error));
  sqlite3_stmt* mode = storeStatement(&store, "PRAGMA journal_mode");
  StatementScope scope(mode);
  ASSERT_EQ(sqlite3_step(mode), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(mode, 0)), "wal");
}

}  // namespace
