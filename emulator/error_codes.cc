#include "error_codes.h"

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

}  // namespace

const char* BuiltInErrorText(uint32_t code) {
  for (const CodeText& entry : kTexts) {
    if (entry.code == code) {
      return entry.text;
    }
  }
  return nullptr;
}
