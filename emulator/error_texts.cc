#include "error_texts.h"

#include <mutex>
#include <unordered_map>

namespace {

struct CodeText {
  uint32_t code;
  const char* text;
};

constexpr CodeText kTexts[] = {
    {kErrUnknownServer, "Telvane server not found or not responding"},
    {kErrInvalidHandle, "Invalid Telvane server handle"},
    {kErrInvalidListHandle, "Invalid list handle"},
    {kErrEndOfList, "No more elements in list"},
    {kErrNoSuchDelegate, "Delegate entry not found"},
    {kErrDatabase, "Telvane server database error"},
    {kErrBadArgument, "Invalid parameter"},
    {kErrEntryIdGiven, "Entry ID of a new delegate must be 0"},
    {kErrUserIdTrailingBytes, "Delegate record holds bytes after a user ID"},
    {kErrEntryIdsExhausted, "No entry ID left for a new delegate"},
};

struct Registry {
  std::mutex mutex;
  std::unordered_map<uint32_t, std::string> texts;
  std::string databaseError;
};

Registry& GetRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

}  // namespace

const char* BuiltInErrorText(uint32_t code) {
  for (const CodeText& entry : kTexts) {
    if (entry.code == code) {
      return entry.text;
    }
  }
  return nullptr;
}

void RegistryRemember(uint32_t code, const std::string& text) {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  registry.texts[code] = text;
}

bool RegistryLookup(uint32_t code, std::string* text) {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  auto found = registry.texts.find(code);
  if (found == registry.texts.end()) {
    return false;
  }
  *text = found->second;
  return true;
}

void RegistryRememberDatabaseError(const std::string& message) {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  registry.databaseError = message;
}

std::string RegistryDatabaseError() {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  return registry.databaseError;
}

std::string RegistryErrorText(uint32_t code) {
  std::string text;
  if (RegistryLookup(code, &text)) {
    return text;
  }
  if (const char* builtIn = BuiltInErrorText(code)) {
    text = builtIn;
    if (code == kErrDatabase) {
      std::string detail = RegistryDatabaseError();
      if (!detail.empty()) {
        text += ": " + detail;
      }
    }
    return text;
  }
  return "Unknown Telvane error " + std::to_string(static_cast<int32_t>(code));
}
