#include "test_support.h"

#include <stdlib.h>

#include <filesystem>
#include <sstream>

#include "record_codec.h"
#include "server_files.h"
#include "telvemu_cli.h"

void EmulatorTest::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "emulator_test.XXXXXX").string();
  ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
  dir_ = pattern;
  setenv("TELVEMU_DIR", dir_.c_str(), 1);
  unsetenv("TELVEMU_SLEEP");
  unsetenv("TELVEMU_SLEEP_LOG");
  unsetenv("TELVEMU_API_VERSION");
}

void EmulatorTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

int EmulatorTest::telvemu(const std::vector<std::string>& args, std::string* out,
                          std::string* err) {
  std::ostringstream outStream;
  std::ostringstream errStream;
  int status = runTelvemu(args, outStream, errStream);
  if (out != nullptr) {
    *out = outStream.str();
  }
  if (err != nullptr) {
    *err = errStream.str();
  }
  return status;
}

void EmulatorTest::mustTelvemu(const std::vector<std::string>& args) {
  std::string err;
  std::string command;
  for (const std::string& arg : args) {
    command += " " + arg;
  }
  ASSERT_EQ(telvemu(args, nullptr, &err), 0) << "telvemu" << command << ": " << err;
}

std::string EmulatorTest::dump(const std::string& server) {
  std::string out;
  std::string err;
  EXPECT_EQ(telvemu({"dump", server}, &out, &err), 0) << err;
  return out;
}

uint32_t EmulatorTest::connect(const char* server) {
  uint32_t error = 12345;
  uint32_t handle = TelvCreateServerHandle(server, 0, &error);
  EXPECT_NE(handle, 0u) << "error " << error << ": " << errorText(error);
  EXPECT_EQ(error, 0u);
  return handle;
}

std::vector<TelvDelegateRecord> EmulatorTest::elements(uint32_t list) {
  std::vector<TelvDelegateRecord> records;
  void* element = nullptr;
  for (uint32_t rc = TelvListGetFirstElementPtr(list, &element); rc == 0;
       rc = TelvListGetNextElementPtr(list, &element)) {
    records.push_back(*static_cast<TelvDelegateRecord*>(element));
  }
  return records;
}

std::vector<TelvDelegateRecord> EmulatorTest::delegations(uint32_t server, const char* user) {
  uint32_t list = 0;
  EXPECT_EQ(TelvGetDelegateList(server, user, 0, 0, 0, &list), 0u);
  std::vector<TelvDelegateRecord> records = elements(list);
  TelvCloseListHandle(list);
  return records;
}

std::string fieldText(const char (&field)[22]) {
  return userIdFromField(field);
}

std::vector<std::string> pairs(const std::vector<TelvDelegateRecord>& records) {
  std::vector<std::string> pairs;
  for (const TelvDelegateRecord& record : records) {
    pairs.push_back(fieldText(record.delegator) + ">" + fieldText(record.delegate));
  }
  return pairs;
}

std::vector<uint32_t> entryIds(const std::vector<TelvDelegateRecord>& records) {
  std::vector<uint32_t> ids;
  for (const TelvDelegateRecord& record : records) {
    ids.push_back(uint32_t{record.entryId});
  }
  return ids;
}

std::string errorText(uint32_t code) {
  char buffer[2048];
  TelvStringTelvErr(code, buffer, sizeof(buffer));
  return buffer;
}

void StoreTest::SetUp() {
  EmulatorTest::SetUp();
  std::string error;
  ASSERT_TRUE(serverCreate("srv1", &error)) << error;
  ASSERT_TRUE(serverOpen("srv1", &store_, &error)) << error;
}
