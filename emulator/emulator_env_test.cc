#include "emulator_env.h"

#include <stdlib.h>

#include <string>

#include "gtest/gtest.h"
#include "test_support.h"

namespace {

class EnvTest : public EmulatorTest {
 protected:
  void SetUp() override {
    EmulatorTest::SetUp();
    const char* home = getenv("HOME");
    hadHome_ = home != nullptr;
    home_ = hadHome_ ? home : "";
  }
  void TearDown() override {
    if (hadHome_) {
      setenv("HOME", home_.c_str(), 1);
    } else {
      unsetenv("HOME");
    }
    EmulatorTest::TearDown();
  }
  bool hadHome_ = false;
  std::string home_;
};

TEST_F(EnvTest, ServerDirComesFromTelvemuDirThenHome) {
  EXPECT_EQ(envServerDir(), dir_);
  unsetenv("TELVEMU_DIR");
  setenv("HOME", "/nowhere/home", 1);
  EXPECT_EQ(envServerDir(), "/nowhere/home/.telvemu");
  unsetenv("HOME");
  EXPECT_EQ(envServerDir(), ".telvemu");
}

TEST_F(EnvTest, DatabaseFileIsTheNameInAsciiLowerCase) {
  std::string path;
  ASSERT_TRUE(envServerDatabasePath("Fax-Host_01", &path));
  EXPECT_EQ(path, dir_ + "/fax-host_01.db");
  ASSERT_TRUE(envServerDatabasePath("caf\xC3\x89", &path));
  EXPECT_EQ(path, dir_ + "/caf\xC3\x89.db");
  ASSERT_TRUE(envServerDatabasePath("a.b", &path));
  EXPECT_EQ(path, dir_ + "/a.b.db");
}

TEST_F(EnvTest, SomeNamesAreNeverServers) {
  std::string path = "unchanged";
  for (const char* name : {"", ".", "..", ".hidden", "a/b", "/abs", "a\\b"}) {
    EXPECT_FALSE(envServerDatabasePath(name, &path)) << name;
  }
  EXPECT_FALSE(envServerDatabasePath(nullptr, &path));
  EXPECT_EQ(path, "unchanged");
}

TEST_F(EnvTest, SleepLimitIsADecimalNumber) {
  uint32_t limit = 7;
  EXPECT_FALSE(envSleepLimit(&limit));
  setenv("TELVEMU_SLEEP", "", 1);
  EXPECT_FALSE(envSleepLimit(&limit));
  setenv("TELVEMU_SLEEP", "fast", 1);
  EXPECT_FALSE(envSleepLimit(&limit));
  setenv("TELVEMU_SLEEP", "0", 1);
  ASSERT_TRUE(envSleepLimit(&limit));
  EXPECT_EQ(limit, 0u);
  setenv("TELVEMU_SLEEP", "99999999999", 1);
  ASSERT_TRUE(envSleepLimit(&limit));
  EXPECT_EQ(limit, 4294967295u);
}

TEST_F(EnvTest, SleepLogIsNullUnlessNamed) {
  EXPECT_EQ(envSleepLog(), nullptr);
  setenv("TELVEMU_SLEEP_LOG", "", 1);
  EXPECT_EQ(envSleepLog(), nullptr);
  setenv("TELVEMU_SLEEP_LOG", "/tmp/x.log", 1);
  EXPECT_STREQ(envSleepLog(), "/tmp/x.log");
}

TEST_F(EnvTest, ApiVersionOverrideMustFitIn32Bits) {
  EXPECT_EQ(envApiVersion(), kBuiltInApiVersion);
  setenv("TELVEMU_API_VERSION", "0", 1);
  EXPECT_EQ(envApiVersion(), 0u);
  setenv("TELVEMU_API_VERSION", "4294967296", 1);
  EXPECT_EQ(envApiVersion(), kBuiltInApiVersion);
  setenv("TELVEMU_API_VERSION", "-1", 1);
  EXPECT_EQ(envApiVersion(), kBuiltInApiVersion);
}

}  // namespace
