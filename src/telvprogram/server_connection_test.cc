#include "server_connection.h"

#include <stdlib.h>

#include <cstdio>
#include <string>

#include "gtest/gtest.h"

namespace {

// Each test gets emulated servers of its own in a fresh folder, made with
// the emulator's admin command, and waits between attempts are skipped.
class ServerConnectionTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/telvprogram_test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    setenv("TELVEMU_DIR", dir_.c_str(), 1);
    setenv("TELVEMU_SLEEP", "0", 1);
    unsetenv("TELVEMU_SLEEP_LOG");
    unsetenv("TELVEMU_API_VERSION");
  }
  void TearDown() override { EXPECT_EQ(std::system(("rm -rf '" + dir_ + "'").c_str()), 0); }

  void telvemu(const std::string& arguments) {
    std::string command = std::string(TELVEMU_PATH) + " " + arguments;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }

  // Runs body with standard output captured and returns what it printed.
  template <typename Body>
  std::string printed(Body body) {
    std::fflush(stdout);
    testing::internal::CaptureStdout();
    body();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
  }

  std::string dir_;
};

TEST_F(ServerConnectionTest, PrintsLibraryVersionOnlyWhenAsked) {
  setenv("TELVEMU_API_VERSION", "1228571999", 1);
  EXPECT_EQ(printed([] {
              ServerConnection connection;
              connection.printLibraryVersion();
            }),
            "Telvane API version: 12/06/2008 13:59:59Z\n");
}

TEST_F(ServerConnectionTest, ConnectsAndNamesReportedServerOnDisconnect) {
  telvemu("create srv1");
  telvemu("fault srv1 name FAXHOST-01");
  std::string out = printed([] {
    ServerConnection connection;
    EXPECT_TRUE(connection.connect("srv1"));
    EXPECT_NE(connection.serverHandle(), 0u);
    EXPECT_STREQ(connection.serverName(), "srv1");
    connection.disconnect();
    EXPECT_EQ(connection.serverHandle(), 0u);
    connection.disconnect();  // a second call prints nothing
  });
  EXPECT_EQ(out,
            "Connecting to Telvane server: srv1\n"
            "Connect(1) to Telvane server: srv1\n"
            "Connected to Telvane server:  srv1\n"
            "Disconnect from Telvane server: srv1, FAXHOST-01\n"
            "Disconnected\n");
}

TEST_F(ServerConnectionTest, RetriesUntilTheThirdAttemptSucceeds) {
  telvemu("create srv1");
  telvemu("fault srv1 connect 2 -17 'Server busy'");
  std::string out = printed([] {
    ServerConnection connection;
    EXPECT_TRUE(connection.connect("srv1"));
  });
  EXPECT_EQ(out,
            "Connecting to Telvane server: srv1\n"
            "Connect(1) to Telvane server: srv1\n"
            "Connect failed to Telvane server: srv1, error -17: Server busy\n"
            "Connect(2) to Telvane server: srv1\n"
            "Connect failed to Telvane server: srv1, error -17: Server busy\n"
            "Connect(3) to Telvane server: srv1\n"
            "Connected to Telvane server:  srv1\n"
            "Disconnect from Telvane server: srv1, srv1\n"
            "Disconnected\n");
}

TEST_F(ServerConnectionTest, GivesUpAfterFiveAttemptsWithoutOpeningAConnection) {
  telvemu("create srv1");
  telvemu("fault srv1 connect all 42 'Line down'");
  std::string out = printed([] {
    ServerConnection connection;
    EXPECT_FALSE(connection.connect("srv1"));
    EXPECT_EQ(connection.serverHandle(), 0u);
    EXPECT_EQ(connection.serverName(), nullptr);
  });
  std::string expected = "Connecting to Telvane server: srv1\n";
  for (int attempt = 1; attempt <= 5; ++attempt) {
    expected += "Connect(" + std::to_string(attempt) + ") to Telvane server: srv1\n";
    expected += "Connect failed to Telvane server: srv1, error 42: Line down\n";
  }
  expected += "Can't connect to Telvane server after 5 tries: srv1\n";
  EXPECT_EQ(out, expected);
}

TEST_F(ServerConnectionTest, FailedReleaseCheckLeavesConnectionOpenUntilDestruction) {
  telvemu("create srv1");
  telvemu("fault srv1 release 99");
  std::string out = printed([] {
    ServerConnection connection;
    EXPECT_FALSE(connection.connect("srv1"));
    EXPECT_NE(connection.serverHandle(), 0u);
  });
  EXPECT_EQ(out,
            "Connecting to Telvane server: srv1\n"
            "Connect(1) to Telvane server: srv1\n"
            "Connected to Telvane server:  srv1\n"
            "Incompatible Telvane server release, need 5.20\n"
            "Disconnect from Telvane server: srv1, -\n"
            "Disconnected\n");
}

TEST_F(ServerConnectionTest, FailedServerInfoKeepsConnectionAndItsError) {
  telvemu("create srv1");
  telvemu("fault srv1 info 77");
  telvemu("text srv1 77 'No information today'");
  printed([] {
    ServerConnection connection;
    EXPECT_TRUE(connection.connect("srv1"));
    EXPECT_STREQ(connection.errorText(), "No information today");
  });
}

TEST_F(ServerConnectionTest, ErrorTextIsCutTo500Characters) {
  std::string longText(600, 'x');
  longText.replace(0, 10, "Long text ");
  telvemu("create srv1");
  telvemu("fault srv1 connect all 5 '" + longText + "'");
  std::string out = printed([&] {
    ServerConnection connection;
    connection.connect("srv1");
    EXPECT_EQ(std::string(connection.errorText()), std::string(longText, 0, 500));
  });
  EXPECT_NE(out.find("error 5: " + std::string(longText, 0, 500) + "\n"), std::string::npos);
}

}  // namespace
