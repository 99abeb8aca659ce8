#include "emulator_env.h"

#include <stdlib.h>

#include "number_parse.h"

std::string envServerDir() {
  const char* dir = getenv("TELVEMU_DIR");
  if (dir != nullptr && *dir != '\0') {
    return dir;
  }
  const char* home = getenv("HOME");
  if (home != nullptr && *home != '\0') {
    return std::string(home) + "/.telvemu";
  }
  return ".telvemu";
}

bool envServerDatabasePath(const char* serverName, std::string* path) {
  if (serverName == nullptr || serverName[0] == '\0' || serverName[0] == '.') {
    return false;
  }
  std::string file;
  for (const char* p = serverName; *p != '\0'; ++p) {
    char c = *p;
    if (c == '/' || c == '\\') {
      return false;
    }
    // Only ASCII folds, so that a name means one file whatever the locale.
    file += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  *path = envServerDir() + "/" + file + ".db";
  return true;
}

bool envSleepLimit(uint32_t* limitMs) {
  const char* text = getenv("TELVEMU_SLEEP");
  uint64_t limit = 0;
  if (text == nullptr || !parseDecimal(text, &limit)) {
    return false;
  }
  *limitMs = limit > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(limit);
  return true;
}

const char* envSleepLog() {
  const char* file = getenv("TELVEMU_SLEEP_LOG");
  return (file != nullptr && *file != '\0') ? file : nullptr;
}

uint32_t envApiVersion() {
  const char* text = getenv("TELVEMU_API_VERSION");
  uint64_t version = 0;
  if (text == nullptr || !parseDecimal(text, &version) || version > UINT32_MAX) {
    return kBuiltInApiVersion;
  }
  return static_cast<uint32_t>(version);
}
