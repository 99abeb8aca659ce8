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

Registry& getRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

}  // namespace

const char* builtInErrorText(uint32_t code) {
  for (const CodeText& entry : kTexts) {
    if (entry.code == code) {
      return entry.text;
    }
  }
  return nullptr;
}

void registryRemember(uint32_t code, const std::string& text) {
  Registry& registry = getRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  registry.texts[code] = text;
}

void registryRememberDatabaseError(const std::string& message) {
  Registry& registry = getRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  registry.databaseError = message;
}

std::string registryErrorText(uint32_t code) {
  Registry& registry = getRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  auto registered = registry.texts.find(code);
  if (registered != registry.texts.end()) {
    return registered->second;
  }
  const char* builtIn = builtInErrorText(code);
  if (builtIn == nullptr) {
    return "Unknown Telvane error " + std::to_string(static_cast<int32_t>(code));
  }
  std::string text = builtIn;
  if (code == kErrDatabase && !registry.databaseError.empty()) {
    text += ": " + registry.databaseError;
  }
  return text;
}
