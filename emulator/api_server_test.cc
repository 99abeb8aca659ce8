#include <stdlib.h>
#include <string.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "error_texts.h"
#include "gtest/gtest.h"
#include "telvwin32.h"
#include "test_support.h"

namespace {

using ServerApiTest = EmulatorTest;

TEST_F(ServerApiTest, ApiVersionIsBuiltInUnlessOverridden) {
  EXPECT_EQ(TelvGetAPIVersion(), 1228521600u);
  setenv("TELVEMU_API_VERSION", "1228571999", 1);
  EXPECT_EQ(TelvGetAPIVersion(), 1228571999u);
  setenv("TELVEMU_API_VERSION", "soon", 1);
  EXPECT_EQ(TelvGetAPIVersion(), 1228521600u);
}

TEST_F(ServerApiTest, UnknownServerFailsWithItsCodeAndCreatesNoFile) {
  uint32_t error = 0;
  EXPECT_EQ(TelvCreateServerHandle("nosuch", 0, &error), 0u);
  EXPECT_EQ(error, kErrUnknownServer);
  EXPECT_EQ(error, 0x2711u);
  EXPECT_EQ(errorText(error), "Telvane server not found or not responding");
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(ServerApiTest, NamesThatCanNeverBeServersAreUnknown) {
  mustTelvemu({"create", "srv1"});
  std::string nested = dir_ + "/sub";
  std::filesystem::create_directory(nested);
  std::filesystem::copy_file(dir_ + "/srv1.db", nested + "/srv1.db");
  std::filesystem::copy_file(dir_ + "/srv1.db", dir_ + "/.hidden.db");
  for (const char* name : {"", ".hidden", "sub/srv1", "sub\\srv1"}) {
    uint32_t error = 0;
    EXPECT_EQ(TelvCreateServerHandle(name, 0, &error), 0u) << name;
    EXPECT_EQ(error, kErrUnknownServer) << name;
  }
  uint32_t error = 0;
  EXPECT_EQ(TelvCreateServerHandle(nullptr, 0, &error), 0u);
  EXPECT_EQ(error, kErrBadArgument);
}

TEST_F(ServerApiTest, ServerNamesIgnoreAsciiCase) {
  mustTelvemu({"create", "FaxHost"});
  uint32_t handle = connect("FAXHOST");
  unsigned char info[TELV_SERVER_INFO_SIZE];
  ASSERT_EQ(TelvGetServerInfo2(handle, info), 0u);
  EXPECT_STREQ(reinterpret_cast<char*>(info + TELV_SERVER_INFO_NAME_OFFSET), "FaxHost");
  TelvCloseServerHandle(handle);
}

TEST_F(ServerApiTest, HandlesAreFreshAndClosedOnesAreRefused) {
  mustTelvemu({"create", "srv1"});
  uint32_t first = connect("srv1");
  uint32_t second = connect("srv1");
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, first);
  TelvCloseServerHandle(first);
  EXPECT_EQ(TelvVersionCheck(first, 0x0520, 0), kErrInvalidHandle);
  EXPECT_EQ(TelvVersionCheck(second, 0x0520, 0), 0u);
  uint32_t third = connect("srv1");
  EXPECT_NE(third, first);
  EXPECT_NE(third, second);
  TelvCloseServerHandle(first);  // a second close, and one of nothing, do nothing
  TelvCloseServerHandle(0);
  TelvCloseServerHandle(second);
  TelvCloseServerHandle(third);
  EXPECT_EQ(TelvVersionCheck(0, 0x0520, 0), kErrInvalidHandle);
}

TEST_F(ServerApiTest, ReleaseFaultFailsVersionCheckUntilCleared) {
  mustTelvemu({"create", "srv1"});
  uint32_t handle = connect("srv1");
  EXPECT_EQ(TelvVersionCheck(handle, 0x0520, 0), 0u);
  mustTelvemu({"fault", "srv1", "release", "99"});
  EXPECT_EQ(TelvVersionCheck(handle, 0x0520, 0), 99u);
  mustTelvemu({"fault", "srv1", "clear"});
  EXPECT_EQ(TelvVersionCheck(handle, 0x0520, 0), 0u);
  TelvCloseServerHandle(handle);
}

TEST_F(ServerApiTest, ServerInfoHoldsReportedNameInAZeroedBlock) {
  mustTelvemu({"create", "srv1"});
  uint32_t handle = connect("srv1");
  unsigned char info[TELV_SERVER_INFO_SIZE];
  memset(info, 0xAB, sizeof(info));
  ASSERT_EQ(TelvGetServerInfo2(handle, info), 0u);
  EXPECT_STREQ(reinterpret_cast<char*>(info + TELV_SERVER_INFO_NAME_OFFSET), "srv1");
  for (size_t i = TELV_SERVER_INFO_NAME_OFFSET + 4; i < sizeof(info); ++i) {
    ASSERT_EQ(info[i], 0) << "byte " << i;
  }
  EXPECT_EQ(TelvGetServerInfo2(handle, nullptr), kErrBadArgument);
  EXPECT_EQ(TelvGetServerInfo2(0, info), kErrInvalidHandle);
  TelvCloseServerHandle(handle);
}

TEST_F(ServerApiTest, NameFaultChangesReportedNameAndLongNamesStayInTheBlock) {
  mustTelvemu({"create", "srv1"});
  uint32_t handle = connect("srv1");
  mustTelvemu({"fault", "srv1", "name", "FAXHOST-01"});
  unsigned char info[TELV_SERVER_INFO_SIZE];
  ASSERT_EQ(TelvGetServerInfo2(handle, info), 0u);
  EXPECT_STREQ(reinterpret_cast<char*>(info + TELV_SERVER_INFO_NAME_OFFSET), "FAXHOST-01");

  mustTelvemu({"fault", "srv1", "name", std::string(2000, 'n')});
  // One byte past the block would show as a sanitizer error.
  std::unique_ptr<unsigned char[]> exact(new unsigned char[TELV_SERVER_INFO_SIZE]);
  ASSERT_EQ(TelvGetServerInfo2(handle, exact.get()), 0u);
  const char* name = reinterpret_cast<const char*>(exact.get() + TELV_SERVER_INFO_NAME_OFFSET);
  EXPECT_EQ(strlen(name), size_t{TELV_SERVER_INFO_SIZE - TELV_SERVER_INFO_NAME_OFFSET - 1});
  TelvCloseServerHandle(handle);
}

TEST_F(ServerApiTest, InfoFaultFailsAndLeavesTheBlockUntouched) {
  mustTelvemu({"create", "srv1"});
  mustTelvemu({"fault", "srv1", "info", "0x77"});
  uint32_t handle = connect("srv1");
  unsigned char info[TELV_SERVER_INFO_SIZE];
  memset(info, 0xAB, sizeof(info));
  EXPECT_EQ(TelvGetServerInfo2(handle, info), 0x77u);
  for (unsigned char byte : info) {
    ASSERT_EQ(byte, 0xAB);
  }
  TelvCloseServerHandle(handle);
}

TEST_F(ServerApiTest, ConnectFaultFailsCountTimesThenConnects) {
  mustTelvemu({"create", "srv1"});
  mustTelvemu({"fault", "srv1", "connect", "2", "-17", "Server busy"});
  for (int attempt = 0; attempt < 2; ++attempt) {
    uint32_t error = 0;
    EXPECT_EQ(TelvCreateServerHandle("srv1", 0, &error), 0u);
    EXPECT_EQ(error, 0xFFFFFFEFu);
    EXPECT_EQ(errorText(error), "Server busy");
  }
  uint32_t handle = connect("srv1");
  EXPECT_NE(handle, 0u);
  std::string faults;
  EXPECT_EQ(telvemu({"faults", "srv1"}, &faults), 0);
  EXPECT_EQ(faults, "");
  TelvCloseServerHandle(handle);
}

TEST_F(ServerApiTest, ConnectFaultCountIsSharedByEveryConnection) {
  mustTelvemu({"create", "srv1"});
  mustTelvemu({"fault", "srv1", "connect", "3", "42"});
  uint32_t error = 0;
  EXPECT_EQ(TelvCreateServerHandle("srv1", 0, &error), 0u);
  std::string faults;
  EXPECT_EQ(telvemu({"faults", "srv1"}, &faults), 0);
  EXPECT_EQ(faults, "connect 2 0x2A\n");
}

TEST_F(ServerApiTest, ConnectFaultForAllAttemptsNeverRunsOut) {
  mustTelvemu({"create", "srv1"});
  mustTelvemu({"fault", "srv1", "connect", "all", "42", "Line down"});
  for (int attempt = 0; attempt < 7; ++attempt) {
    uint32_t error = 0;
    EXPECT_EQ(TelvCreateServerHandle("srv1", 0, &error), 0u);
    EXPECT_EQ(error, 42u);
  }
  EXPECT_EQ(errorText(42), "Line down");
  mustTelvemu({"fault", "srv1", "clear"});
  TelvCloseServerHandle(connect("srv1"));
}

TEST_F(ServerApiTest, RegisteredTextsAreKnownOnceTheServerWasOpened) {
  mustTelvemu({"create", "srv1"});
  mustTelvemu({"text", "srv1", "0x1234", "No information today"});
  EXPECT_EQ(errorText(0x1234), "Unknown Telvane error 4660");
  TelvCloseServerHandle(connect("srv1"));
  EXPECT_EQ(errorText(0x1234), "No information today");
}

TEST_F(ServerApiTest, ErrorTextsFallBackToBuiltInThenGeneric) {
  EXPECT_EQ(errorText(kErrEndOfList), "No more elements in list");
  EXPECT_EQ(errorText(kErrNoSuchDelegate), "Delegate entry not found");
  EXPECT_EQ(errorText(0xFFFFFF00), "Unknown Telvane error -256");
  EXPECT_EQ(errorText(3000000000u), "Unknown Telvane error -1294967296");
}

TEST_F(ServerApiTest, ErrorTextIsCutToTheBuffer) {
  std::string longText = "Long text " + std::string(590, 'x');
  mustTelvemu({"create", "srv1"});
  mustTelvemu({"fault", "srv1", "connect", "all", "5", longText});
  uint32_t error = 0;
  EXPECT_EQ(TelvCreateServerHandle("srv1", 0, &error), 0u);
  ASSERT_EQ(error, 5u);
  EXPECT_EQ(errorText(5), longText);

  std::unique_ptr<char[]> buffer(new char[501]);
  TelvStringTelvErr(5, buffer.get(), 501);
  EXPECT_EQ(std::string(buffer.get()), longText.substr(0, 500));

  char one = 'z';
  TelvStringTelvErr(5, &one, 1);
  EXPECT_EQ(one, '\0');
  char untouched = 'z';
  TelvStringTelvErr(5, &untouched, 0);
  TelvStringTelvErr(5, &untouched, -1);
  EXPECT_EQ(untouched, 'z');
  TelvStringTelvErr(5, nullptr, 10);
}

TEST_F(ServerApiTest, BrokenDatabaseGivesDatabaseErrorWithSqliteMessage) {
  std::ofstream(dir_ + "/broken.db") << std::string(4096, 'x');
  uint32_t error = 0;
  EXPECT_EQ(TelvCreateServerHandle("broken", 0, &error), 0u);
  EXPECT_EQ(error, kErrDatabase);
  std::string text = errorText(error);
  EXPECT_EQ(text.rfind("Telvane server database error: ", 0), 0u) << text;
  EXPECT_GT(text.size(), strlen("Telvane server database error: ")) << text;
}

TEST_F(ServerApiTest, NullErrorPointerIsTolerated) {
  mustTelvemu({"create", "srv1"});
  EXPECT_EQ(TelvCreateServerHandle("nosuch", 0, nullptr), 0u);
  uint32_t handle = TelvCreateServerHandle("srv1", 0, nullptr);
  EXPECT_NE(handle, 0u);
  TelvCloseServerHandle(handle);
}

}  // namespace
