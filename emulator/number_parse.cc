#include "number_parse.h"

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

bool hasHexPrefix(const std::string& text) {
  return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

bool parseHexDigits(const std::string& digits, uint32_t* value) {
  if (digits.empty() || digits.size() > 8) {
    return false;
  }
  uint32_t result = 0;
  for (char c : digits) {
    int digit = hexDigit(c);
    if (digit < 0) {
      return false;
    }
    result = result * 16 + static_cast<uint32_t>(digit);
  }
  *value = result;
  return true;
}

}  // namespace

bool parseDecimal(const std::string& text, uint64_t* value) {
  if (text.empty()) {
    return false;
  }
  uint64_t result = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return false;
    }
    uint64_t digit = static_cast<uint64_t>(c - '0');
    if (result > (UINT64_MAX - digit) / 10) {
      return false;
    }
    result = result * 10 + digit;
  }
  *value = result;
  return true;
}

bool parseCode(const std::string& text, uint32_t* value) {
  if (hasHexPrefix(text)) {
    return parseHexDigits(text.substr(2), value);
  }
  bool negative = !text.empty() && text[0] == '-';
  uint64_t magnitude = 0;
  if (!parseDecimal(negative ? text.substr(1) : text, &magnitude) || magnitude > UINT32_MAX) {
    return false;
  }
  uint32_t result = static_cast<uint32_t>(magnitude);
  *value = negative ? 0u - result : result;
  return true;
}

bool parseUnsigned32(const std::string& text, uint32_t* value) {
  if (hasHexPrefix(text)) {
    return parseHexDigits(text.substr(2), value);
  }
  uint64_t result = 0;
  if (!parseDecimal(text, &result) || result > UINT32_MAX) {
    return false;
  }
  *value = static_cast<uint32_t>(result);
  return true;
}

bool parseHex32(const std::string& text, uint32_t* value) {
  return parseHexDigits(hasHexPrefix(text) ? text.substr(2) : text, value);
}
