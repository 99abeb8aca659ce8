#include "text_registry.h"

#include <mutex>
#include <unordered_map>

#include "error_codes.h"

namespace {

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
