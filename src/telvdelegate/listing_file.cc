#include "listing_file.h"

#include <stdint.h>

#include <cstring>

#include "scan_text.h"

void writeListingHeader(std::FILE* output) {
  std::fprintf(output, "FORMAT %d\n", kListingFormat);
}

void writeListingLine(std::FILE* output, const DelegateAttributes& attributes,
                      const char* delegator, const char* delegate, bool repeat) {
  // One formatted write a line: a long listing writes many of them.
  char attributeText[kAttributeTextSize];
  formatAttributeText(attributes, attributeText);
  std::fprintf(output, "%s%s %s%s\n", attributeText, delegator, delegate, repeat ? " *" : "");
}

bool isListingHeader(const char* line) {
  const char kWord[] = "FORMAT";
  const std::size_t kWordLength = sizeof(kWord) - 1;
  if (std::strncmp(line, kWord, kWordLength) != 0) {
    return false;
  }
  int32_t format = 0;
  return scanDecimalNumber(line + kWordLength, &format) != nullptr && format == kListingFormat;
}

bool isBlankOrComment(const char* line, std::size_t length) {
  std::size_t i = 0;
  while (i < length && line[i] == ' ') {
    ++i;
  }
  return i == length || line[i] == '#' || line[i] == ';';
}

bool scanListingLine(const char* line, ListingLine* scanned) {
  ListingLine fields;
  line = scanAttributeText(line, &fields.attributes);
  if (line != nullptr) {
    line = scanWord(line, kListingWordLength, fields.delegator);
  }
  if (line != nullptr) {
    line = scanWord(line, kListingWordLength, fields.delegate);
  }
  if (line == nullptr) {
    return false;
  }
  *scanned = fields;
  return true;
}
