#include "listing_input.h"

#include <cinttypes>
#include <cstring>

#include "console_output.h"
#include "line_reader.h"
#include "progress.h"
#include "user_id_match.h"

namespace {

// How much of an overlong line its report quotes.
const int kQuotedPrefixLength = 100;

// Notes a failed read in *reading and reports it, with the number of the
// line it was meant to give.
void noteReadFailure(ListingReading* reading, int error) {
  reading->readError = error;
  printMessage("Can't read input file: line %" PRIu64 ": %s\n", reading->lines + 1,
               std::strerror(error));
}

}  // namespace

ListingReading readListing(std::FILE* input, const char* const* patterns,
                           const std::function<void(const ListingLine&)>& take,
                           Progress* progress) {
  ListingReading reading;
  LineReader reader;
  startLineReader(&reader, input);
  char line[kListingLineLength + 1];

  int length = readLine(&reader, line, kListingLineLength);
  if (reader.error != 0) {
    noteReadFailure(&reading, reader.error);
    return reading;
  }
  if (length < 0) {
    return reading;
  }
  reading.lines = 1;
  if (!isListingHeader(line)) {
    printMessage("Can't load input file, bad format (not %d): '%s'\n", kListingFormat, line);
    reading.headerRefused = true;
    return reading;
  }

  for (;;) {
    LineShape shape;
    length = readLine(&reader, line, kListingLineLength, &shape);
    if (reader.error != 0) {
      noteReadFailure(&reading, reader.error);
      return reading;
    }
    if (length < 0) {
      return reading;
    }
    ++reading.lines;
    progress->advanceInFile(lineReaderPosition(&reader));
    if (shape.blankOrComment) {
      continue;
    }
    // Bad lines are reported whatever the patterns: without a delegator
    // there is nothing to filter on.
    if (shape.cut) {
      printMessage("Malformed delegate info: line %" PRIu64
                   ": longer than %d characters: '%.*s'...\n",
                   reading.lines, kListingLineLength, kQuotedPrefixLength, line);
      reading.malformed = true;
      continue;
    }
    ListingLine scanned;
    if (std::memchr(line, '\0', length) != nullptr || !scanListingLine(line, &scanned)) {
      printMessage("Malformed delegate info: line %" PRIu64 ": '%s'\n", reading.lines, line);
      reading.malformed = true;
      continue;
    }
    if (passesPatternFilter(scanned.delegator, patterns)) {
      take(scanned);
    }
  }
}
