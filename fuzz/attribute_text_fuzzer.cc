// The attribute-text reader against arbitrary text: it must stop inside
// the text, agree with the C library's "%x %x %x %x %x", and what it read
// must come back unchanged through the writer.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "attribute_text.h"
#include "c_library_scan.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string text = textOf(data, size);
  DelegateAttributes read;
  const char* stop = scanAttributeText(text.c_str(), &read);
  FUZZ_CHECK(readAttributeText(text.c_str(), &read) == (stop != nullptr));
  if (stop != nullptr) {
    FUZZ_CHECK(stop > text.c_str() && stop <= text.c_str() + text.size());
  }

  if (hexRunsComparable(text)) {
    unsigned int values[5] = {0, 0, 0, 0, 0};
    int found = std::sscanf(text.c_str(), "%x %x %x %x %x", &values[0], &values[1], &values[2],
                            &values[3], &values[4]);
    FUZZ_CHECK((found == 5) == (stop != nullptr));
    if (stop != nullptr) {
      FUZZ_CHECK(read.typeCode == values[0]);
      for (int i = 0; i < 4; ++i) {
        FUZZ_CHECK(read.masks[i] == values[i + 1]);
      }
    }
  }

  if (stop != nullptr) {
    char written[kAttributeTextSize];
    formatAttributeText(read, written);
    FUZZ_CHECK(std::strlen(written) < kAttributeTextSize);
    DelegateAttributes again;
    FUZZ_CHECK(readAttributeText(written, &again));
    FUZZ_CHECK(again.typeCode == read.typeCode);
    FUZZ_CHECK(std::memcmp(again.masks, read.masks, sizeof read.masks) == 0);
  }
  return 0;
}
