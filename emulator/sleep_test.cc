#include "sleep.h"

#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "gtest/gtest.h"
#include "test_support.h"

namespace {

using SleepTest = EmulatorTest;

// How long a call took, in milliseconds.
template <typename Body>
double elapsed(Body body) {
  auto start = std::chrono::steady_clock::now();
  body();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

std::string readFile(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(SleepTest, WaitsInFullWithoutALimit) {
  EXPECT_GE(elapsed([] { Sleep(40); }), 40.0);
}

TEST_F(SleepTest, LimitShortensEachWait) {
  setenv("TELVEMU_SLEEP", "30", 1);
  double waited = elapsed([] { Sleep(10000); });
  EXPECT_GE(waited, 30.0);
  EXPECT_LT(waited, 5000.0);
  EXPECT_GE(elapsed([] { Sleep(20); }), 20.0);
}

TEST_F(SleepTest, ZeroLimitSkipsTheWaitAndTheLogRecordsEveryCall) {
  std::string log = dir_ + "/sleep.log";
  setenv("TELVEMU_SLEEP", "0", 1);
  setenv("TELVEMU_SLEEP_LOG", log.c_str(), 1);
  EXPECT_LT(elapsed([] {
              Sleep(10000);
              Sleep(0);
              Sleep(4294967295u);
            }),
            5000.0);
  EXPECT_EQ(readFile(log), "Sleep(10000)\nSleep(0)\nSleep(4294967295)\n");
}

TEST_F(SleepTest, LogAppendsWhetherOrNotTheWaitIsReal) {
  std::string log = dir_ + "/sleep.log";
  std::ofstream(log) << "earlier\n";
  setenv("TELVEMU_SLEEP_LOG", log.c_str(), 1);
  Sleep(1);
  EXPECT_EQ(readFile(log), "earlier\nSleep(1)\n");
}

}  // namespace
