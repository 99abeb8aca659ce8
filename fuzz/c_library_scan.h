// The C library's own formatted scan, which the tool's scanner must agree
// with wherever the two are defined alike.
#ifndef FUZZ_C_LIBRARY_SCAN_H_
#define FUZZ_C_LIBRARY_SCAN_H_

#include <string>

// The C library turns a "%x" of more than 16 digits into a saturated
// 64-bit value; the tool keeps the last eight digits. Up to 16 digits
// both come to the same 32 bits. True when no run of hexadecimal digits
// in the text is longer than that.
inline bool hexRunsComparable(const std::string& text) {
  std::size_t run = 0;
  for (char c : text) {
    bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    run = hex ? run + 1 : 0;
    if (run > 16) {
      return false;
    }
  }
  return true;
}

#endif  // FUZZ_C_LIBRARY_SCAN_H_
