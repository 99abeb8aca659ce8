#include "attribute_text.h"

#include <cstring>

#include "scan_text.h"

DelegateAttributes attributesOfRecord(const TelvDelegateRecord& record) {
  // The record is packed: copy the fields out rather than bind to them.
  DelegateAttributes attributes;
  attributes.typeCode = record.typeCode;
  std::memcpy(attributes.masks, record.masks, sizeof(attributes.masks));
  return attributes;
}

bool sameAttributes(const DelegateAttributes& a, const DelegateAttributes& b) {
  return a.typeCode == b.typeCode && a.masks[0] == b.masks[0] && a.masks[1] == b.masks[1] &&
         a.masks[2] == b.masks[2] && a.masks[3] == b.masks[3];
}

namespace {

// Writes value in upper-case hexadecimal, at least `width` digits with
// leading zeros, and a blank, as "%0*lX " would; returns the end.
char* appendHex(uint32_t value, int width, char* text) {
  char digits[8];
  int count = 0;
  do {
    digits[count++] = "0123456789ABCDEF"[value & 0xF];
    value >>= 4;
  } while (value != 0);
  while (count < width) {
    digits[count++] = '0';
  }
  while (count > 0) {
    *text++ = digits[--count];
  }
  *text++ = ' ';
  return text;
}

}  // namespace

// A long listing writes this for every delegation, so it is done by hand
// rather than by five calls of snprintf; BM_FormatAttributeText and the
// long listing of `bench/run_bench.py` guard it.
void formatAttributeText(const DelegateAttributes& attributes, char* text) {
  text = appendHex(attributes.typeCode, 4, text);
  for (uint32_t mask : attributes.masks) {
    text = appendHex(mask, 8, text);
  }
  *text = '\0';
}

const char* scanAttributeText(const char* text, DelegateAttributes* attributes) {
  DelegateAttributes scanned;
  uint32_t* fields[] = {&scanned.typeCode, &scanned.masks[0], &scanned.masks[1], &scanned.masks[2],
                        &scanned.masks[3]};
  for (uint32_t* field : fields) {
    text = scanHexNumber(text, field);
    if (text == nullptr) {
      return nullptr;
    }
  }
  *attributes = scanned;
  return text;
}

bool readAttributeText(const char* text, DelegateAttributes* attributes) {
  return scanAttributeText(text, attributes) != nullptr;
}
