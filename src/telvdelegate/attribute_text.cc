#include "attribute_text.h"

#include <cstdio>
#include <cstring>

#include "scan_text.h"

DelegateAttributes attributesOfRecord(const TelvDelegateRecord& record) {
  // The record is packed: copy the fields out rather than bind to them.
  DelegateAttributes attributes;
  attributes.typeCode = record.typeCode;
  std::memcpy(attributes.masks, record.masks, sizeof(attributes.masks));
  return attributes;
}

void formatAttributeText(const DelegateAttributes& attributes, char* text) {
  // "%lX" of an unsigned long that holds a 32-bit value prints the same
  // whether long has 32 bits or 64.
  int length = std::snprintf(text, kAttributeTextSize, "%04lX ",
                             static_cast<unsigned long>(attributes.typeCode));
  for (uint32_t mask : attributes.masks) {
    length += std::snprintf(text + length, kAttributeTextSize - length, "%08lX ",
                            static_cast<unsigned long>(mask));
  }
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
