// What the emulator's tests share: a fresh server folder per test, telvemu
// run in-process, and reading a delegate list back.
#ifndef EMULATOR_TEST_SUPPORT_H_
#define EMULATOR_TEST_SUPPORT_H_

#include <stdint.h>

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "store.h"
#include "telvwin32.h"

class EmulatorTest : public testing::Test {
 protected:
  // Points TELVEMU_DIR at a new temporary folder and unsets the emulator's
  // other variables.
  void SetUp() override;
  // Removes the folder.
  void TearDown() override;

  // Runs telvemu with args and gives its exit status and output.
  int telvemu(const std::vector<std::string>& args, std::string* out = nullptr,
              std::string* err = nullptr);
  // Runs telvemu and fails the test unless it succeeds.
  void mustTelvemu(const std::vector<std::string>& args);
  std::string dump(const std::string& server);

  // A handle on the server, failing the test when there is none.
  uint32_t connect(const char* server);
  // Copies of the list's elements, from first to last.
  std::vector<TelvDelegateRecord> elements(uint32_t list);
  // The server's delegations for user (null: all), as one list delivers them.
  std::vector<TelvDelegateRecord> delegations(uint32_t server, const char* user);

  std::string dir_;
};

// A test on the store of a new server, srv1, opened in-process.
class StoreTest : public EmulatorTest {
 protected:
  void SetUp() override;

  Store store_;
};

// A record's user-ID field as text, never reading past the field.
std::string fieldText(const char (&field)[22]);

// "delegator>delegate" for each record, to compare lists at a glance.
std::vector<std::string> pairs(const std::vector<TelvDelegateRecord>& records);

std::vector<uint32_t> entryIds(const std::vector<TelvDelegateRecord>& records);

// The text TelvStringTelvErr gives for code in a roomy buffer.
std::string errorText(uint32_t code);

#endif  // EMULATOR_TEST_SUPPORT_H_
