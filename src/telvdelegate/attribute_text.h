// The attribute text of a delegation: its type code and its four
// permission masks as five hexadecimal numbers. The add options' presets
// are attribute texts, and every line of a listing file begins with one.
#ifndef TELVDELEGATE_ATTRIBUTE_TEXT_H_
#define TELVDELEGATE_ATTRIBUTE_TEXT_H_

#include <stdint.h>

#include <cstddef>

#include "telvwin32.h"

struct DelegateAttributes {
  uint32_t typeCode = 0;
  uint32_t masks[4] = {0, 0, 0, 0};
};

DelegateAttributes attributesOfRecord(const TelvDelegateRecord& record);

// True when the type codes and all four masks are equal.
bool sameAttributes(const DelegateAttributes& a, const DelegateAttributes& b);

// Room for the longest attribute text and its NUL: a type code of eight
// digits and four masks, each followed by a blank.
const std::size_t kAttributeTextSize = 5 * 9 + 1;

// Writes the type code with "%04lX " and each mask with "%08lX ", so the
// text always ends in a blank. `text` has room for kAttributeTextSize.
void formatAttributeText(const DelegateAttributes& attributes, char* text);

// Scans five hexadecimal numbers as "%x %x %x %x %x" would: white space
// may stand before each, and each may have a sign and a 0x or 0X prefix,
// digits in either case. A minus negates modulo 2^32; of more than eight
// digits the last eight count. Returns where scanning stopped, just after
// the fifth number, or null when fewer than five numbers were found.
const char* scanAttributeText(const char* text, DelegateAttributes* attributes);

// scanAttributeText for a whole text: true when all five numbers were
// found. What follows the fifth is not looked at.
bool readAttributeText(const char* text, DelegateAttributes* attributes);

#endif  // TELVDELEGATE_ATTRIBUTE_TEXT_H_
