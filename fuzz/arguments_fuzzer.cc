// The command line's parsing and checks against arbitrary arguments (the
// input cut at NUL bytes): every answer is one of the messages, and a
// command line let through is one an operation can run with.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "arguments.h"
#include "fuzz_support.h"

namespace {

const char* const kMessages[] = {
    "Add (-a) cannot be used with any other option\n",
    "Add option (-a) requires delegator user-ID and one or more delegate names.\n",
    "Delete (-d) cannot be used with any other option\n",
    "Delete option (-d) requires delegator user-ID and one or more delegate names.\n",
    "Only one file option (-i or -o) can be specified\n",
    "Compare (-c) cannot be used with -i or -o\n",
    "Manage in-box delegates on a Telvane server.\n",
};

bool isMessage(const char* text) {
  for (const char* message : kMessages) {
    if (std::strcmp(text, message) == 0) {
      return true;
    }
  }
  return false;
}

// True when the string is one of the arguments themselves, not a copy.
bool isArgument(const char* text, char** argv, int argc) {
  for (int i = 1; i < argc; ++i) {
    if (text == argv[i]) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::vector<std::string> pieces = splitAtNul(data, size);
  std::vector<char*> argv;
  char program[] = "telvdelegate";
  argv.push_back(program);
  for (std::string& piece : pieces) {
    argv.push_back(&piece[0]);
  }
  int argc = static_cast<int>(argv.size());
  argv.push_back(nullptr);

  Arguments arguments;
  const char* problem = parseArguments(argc, argv.data(), &arguments);
  if (problem != nullptr) {
    FUZZ_CHECK(isMessage(problem));
    return 0;
  }
  FUZZ_CHECK(arguments.serverName != nullptr);
  FUZZ_CHECK(isArgument(arguments.serverName, argv.data(), argc));
  FUZZ_CHECK(arguments.userIdCount >= 0);
  FUZZ_CHECK(arguments.userIds + arguments.userIdCount == argv.data() + argc);
  FUZZ_CHECK(arguments.userIds[arguments.userIdCount] == nullptr);
  bool input = arguments.inputFileName != nullptr;
  bool output = arguments.outputFileName != nullptr;
  bool compare = arguments.compareFileName != nullptr;
  FUZZ_CHECK(!(input && output));
  FUZZ_CHECK(!compare || (!input && !output));
  FUZZ_CHECK(!output || arguments.longFormat);
  if (arguments.presetText != nullptr) {
    FUZZ_CHECK(!input && !output && !compare && !arguments.deleteFlag);
    FUZZ_CHECK(arguments.userIdCount >= 2);
  }
  if (arguments.deleteFlag) {
    FUZZ_CHECK(!input && !output && !compare);
    FUZZ_CHECK(arguments.userIdCount >= 2);
  }
  FUZZ_CHECK(!input || isArgument(arguments.inputFileName, argv.data(), argc));
  FUZZ_CHECK(!output || isArgument(arguments.outputFileName, argv.data(), argc));
  FUZZ_CHECK(!compare || isArgument(arguments.compareFileName, argv.data(), argc));
  return 0;
}
