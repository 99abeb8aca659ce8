#include "scan_text.h"

#include <algorithm>

namespace {

int hexDigitValue(char c) {
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

// Skips white space and reads an optional sign.
const char* skipToDigits(const char* text, bool* negative) {
  text = skipWhiteSpace(text);
  *negative = *text == '-';
  if (*text == '+' || *text == '-') {
    ++text;
  }
  return text;
}

}  // namespace

bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char* skipWhiteSpace(const char* text) {
  while (isWhiteSpace(*text)) {
    ++text;
  }
  return text;
}

const char* scanHexNumber(const char* text, uint32_t* value) {
  bool negative = false;
  text = skipToDigits(text, &negative);
  bool found = false;
  if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    found = true;  // the 0 of the prefix is a digit in its own right
    text += 2;
  }
  uint32_t number = 0;
  for (int digit = hexDigitValue(*text); digit >= 0; digit = hexDigitValue(*++text)) {
    number = (number << 4) | static_cast<uint32_t>(digit);  // drops all but the last eight
    found = true;
  }
  if (!found) {
    return nullptr;
  }
  *value = negative ? 0u - number : number;
  return text;
}

const char* scanDecimalNumber(const char* text, int32_t* value) {
  bool negative = false;
  text = skipToDigits(text, &negative);
  if (*text < '0' || *text > '9') {
    return nullptr;
  }
  // Held at 2^31 once past it: enough to tell every int32_t, and no wrap.
  const int64_t kCap = int64_t{1} << 31;
  int64_t magnitude = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    magnitude = std::min<int64_t>(magnitude * 10 + (*text - '0'), kCap);
  }
  *value = static_cast<int32_t>(negative ? -magnitude : std::min<int64_t>(magnitude, INT32_MAX));
  return text;
}

const char* scanWord(const char* text, std::size_t width, char* word) {
  text = skipWhiteSpace(text);
  if (*text == '\0') {
    return nullptr;
  }
  std::size_t length = 0;
  while (length < width && *text != '\0' && !isWhiteSpace(*text)) {
    word[length++] = *text++;
  }
  word[length] = '\0';
  return text;
}
