// The header check against arbitrary first lines, compared with a check
// written straight from the header's rule: "FORMAT" first on the line,
// white space or none, a decimal number, possibly signed and with leading
// zeros, that equals 1; anything may follow. The number is judged by its
// digits, so no size of number can wrap around to 1.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "listing_file.h"

namespace {

bool whiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool headerByRule(const std::string& line) {
  if (line.compare(0, 6, "FORMAT") != 0) {
    return false;
  }
  std::size_t at = 6;
  while (at < line.size() && whiteSpace(line[at])) {
    ++at;
  }
  if (at < line.size() && (line[at] == '+' || line[at] == '-')) {
    if (line[at] == '-') {
      return false;  // -1 is no 1, and -0 would not be either
    }
    ++at;
  }
  std::size_t digits = at;
  while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
    ++digits;
  }
  std::string number = line.substr(at, digits - at);
  std::size_t firstNonZero = number.find_first_not_of('0');
  return firstNonZero != std::string::npos && number.substr(firstNonZero) == "1";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string line = textOf(data, size);
  FUZZ_CHECK(isListingHeader(line.c_str()) == headerByRule(line));
  return 0;
}
