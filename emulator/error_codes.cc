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
