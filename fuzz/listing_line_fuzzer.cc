// The listing-line scan against arbitrary lines: its fields must agree
// with the C library's "%x %x %x %x %x %80s %80s", and the blank and
// comment test must see every byte of the line, a NUL included.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "c_library_scan.h"
#include "fuzz_support.h"
#include "listing_file.h"

namespace {

// A line is blank or a comment when, after spaces, nothing is left or a
// "#" or ";" comes next: written from that rule over the whole line.
bool blankOrComment(const std::string& line) {
  std::size_t first = line.find_first_not_of(' ');
  return first == std::string::npos || line[first] == '#' || line[first] == ';';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(isBlankOrComment(bytes.c_str(), bytes.size()) == blankOrComment(bytes));

  std::string line = textOf(data, size);
  ListingLine scanned;
  std::memset(&scanned, 0x55, sizeof scanned);
  bool wellFormed = scanListingLine(line.c_str(), &scanned);
  if (wellFormed) {
    FUZZ_CHECK(std::strlen(scanned.delegator) >= 1);
    FUZZ_CHECK(std::strlen(scanned.delegator) <= kListingWordLength);
    FUZZ_CHECK(std::strlen(scanned.delegate) >= 1);
    FUZZ_CHECK(std::strlen(scanned.delegate) <= kListingWordLength);
  }

  if (hexRunsComparable(line)) {
    unsigned int values[5] = {0, 0, 0, 0, 0};
    char delegator[kListingWordLength + 1] = "";
    char delegate[kListingWordLength + 1] = "";
    int found = std::sscanf(line.c_str(), "%x %x %x %x %x %80s %80s", &values[0], &values[1],
                            &values[2], &values[3], &values[4], delegator, delegate);
    FUZZ_CHECK((found == 7) == wellFormed);
    if (wellFormed) {
      FUZZ_CHECK(scanned.attributes.typeCode == values[0]);
      for (int i = 0; i < 4; ++i) {
        FUZZ_CHECK(scanned.attributes.masks[i] == values[i + 1]);
      }
      FUZZ_CHECK(std::strcmp(scanned.delegator, delegator) == 0);
      FUZZ_CHECK(std::strcmp(scanned.delegate, delegate) == 0);
    }
  }
  return 0;
}
