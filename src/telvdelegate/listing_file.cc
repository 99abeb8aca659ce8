#include "listing_file.h"

#include <stdint.h>

#include <cstring>

#include "scan_text.h"

bool isListingHeader(const char* line) {
  const char kWord[] = "FORMAT";
  const std::size_t kWordLength = sizeof(kWord) - 1;
  if (std::strncmp(line, kWord, kWordLength) != 0) {
    return false;
  }
  int32_t format = 0;
  return scanDecimalNumber(line + kWordLength, &format) != nullptr && format == kListingFormat;
}

bool isBlankOrComment(const char* line) {
  while (*line == ' ') {
    ++line;
  }
  return *line == '\0' || *line == '#' || *line == ';';
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
