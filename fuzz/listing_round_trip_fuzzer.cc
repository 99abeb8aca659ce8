// Any delegation whose user IDs hold no white space, written as a listing
// line and read back as a load reads it, gives the same values.
#include <stdio.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "attribute_text.h"
#include "fuzz_support.h"
#include "line_reader.h"
#include "listing_file.h"
#include "scan_text.h"

namespace {

// A user ID from fuzzer bytes: its white space taken out, at most as long
// as a listing line's field.
std::string userIdOf(const std::string& bytes) {
  std::string id;
  for (char c : bytes) {
    if (!isWhiteSpace(c) && id.size() < kListingWordLength) {
      id += c;
    }
  }
  return id;
}

uint32_t wordAt(const uint8_t* data) {
  return static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
         static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::size_t kFixed = 5 * 4 + 1;
  if (size < kFixed) {
    return 0;
  }
  DelegateAttributes attributes;
  attributes.typeCode = wordAt(data);
  for (int i = 0; i < 4; ++i) {
    attributes.masks[i] = wordAt(data + 4 * (i + 1));
  }
  bool repeat = (data[20] & 1) != 0;
  std::vector<std::string> ids = splitAtNul(data + kFixed, size - kFixed);
  if (ids.size() < 2) {
    return 0;
  }
  std::string delegator = userIdOf(ids[0]);
  std::string delegate = userIdOf(ids[1]);
  if (delegator.empty() || delegate.empty()) {
    return 0;
  }

  char* written = nullptr;
  std::size_t writtenSize = 0;
  FILE* output = open_memstream(&written, &writtenSize);
  FUZZ_CHECK(output != nullptr);
  writeListingLine(output, attributes, delegator.c_str(), delegate.c_str(), repeat);
  FUZZ_CHECK(fclose(output) == 0);
  FUZZ_CHECK(writtenSize > 0 && written[writtenSize - 1] == '\n');

  LineReader* reader = readerOf(written, writtenSize);
  char line[kListingLineLength + 1];
  LineShape shape;
  int length = readLine(reader, line, kListingLineLength, &shape);
  FUZZ_CHECK(length >= 0);
  char rest[1];
  FUZZ_CHECK(readLine(reader, rest, 0) < 0);  // one line, no more
  fclose(reader->stream);
  free(written);

  FUZZ_CHECK(!shape.cut && !shape.blankOrComment);
  ListingLine scanned;
  FUZZ_CHECK(scanListingLine(line, &scanned));
  FUZZ_CHECK(scanned.attributes.typeCode == attributes.typeCode);
  FUZZ_CHECK(std::memcmp(scanned.attributes.masks, attributes.masks, sizeof attributes.masks) == 0);
  FUZZ_CHECK(delegator == scanned.delegator);
  FUZZ_CHECK(delegate == scanned.delegate);
  return 0;
}
