// Loading: the delegations of a listing file, as an earlier run wrote it
// with -o, stored on the server one line at a time. Delegator patterns
// restrict which lines are loaded.
//
// A bad line is reported with its line number and skipped; only an empty
// input, a file that is not a listing or a failed read stops the load. The line number
// counts every line read, the header, comments and filtered lines
// included, so that it points into the file.
//
// A listing is text: a NUL byte has no place in it. A line that holds one
// is reported as malformed rather than read up to the NUL, which would
// pass a line starting with one for blank, or store a user ID cut short.
// A read that fails ends the load with a report, not as if the file had
// ended there.
//
// A line longer than the line buffer holds more than the reader keeps: a
// scan of the part kept could store a user ID cut short at the buffer's
// end. No listing the tool writes comes near that length, so such a line
// is damaged or made by hand, and it is reported as malformed, quoting only
// its beginning, and nothing of it is stored. A line of blanks only, or a
// comment, is ignored whatever its length: the reader looks at the whole
// line for that, so that enough blanks before a delegation do not hide it.

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console_output.h"
#include "delegate_tool.h"
#include "line_reader.h"
#include "listing_file.h"
#include "user_id_match.h"

namespace {

// Reports a read of the input that failed, with the number of the line it
// was meant to give.
void reportReadFailure(uint64_t line, int error) {
  printMessage("Can't read input file: line %" PRIu64 ": %s\n", line, std::strerror(error));
}

// How much of an overlong line its report quotes.
const int kQuotedPrefixLength = 100;

}  // namespace

bool DelegateTool::loadDelegates(const char* const* patterns) {
  char line[kListingLineLength + 1];
  // Any count of lines an input can have, endless standard input included.
  uint64_t lines = 1;
  int added = 0;
  int errors = 0;
  bool succeeded = true;
  LineReader reader;
  startLineReader(&reader, input_);

  int length = readLine(&reader, line, kListingLineLength);
  if (reader.error != 0) {
    inputError_ = reader.error;
    reportReadFailure(lines, reader.error);
    return false;
  }
  if (length < 0) {
    return true;  // an empty input, as a listing that matched nothing leaves
  }
  if (!isListingHeader(line)) {
    printMessage("Can't load input file, bad format (not %d): '%s'\n", kListingFormat, line);
    return false;
  }

  for (;;) {
    LineShape shape;
    length = readLine(&reader, line, kListingLineLength, &shape);
    if (reader.error != 0) {
      // What the line holds may be cut short, and what follows it was
      // never seen: no summary, which would pass for a whole load.
      inputError_ = reader.error;
      reportReadFailure(lines + 1, reader.error);
      return false;
    }
    if (length < 0) {
      break;
    }
    ++lines;
    if (shape.blankOrComment) {
      continue;
    }
    // Bad lines are reported whatever the patterns: without a delegator
    // there is nothing to filter on.
    if (shape.cut) {
      printMessage("Malformed delegate info: line %" PRIu64
                   ": longer than %d characters: '%.*s'...\n",
                   lines, kListingLineLength, kQuotedPrefixLength, line);
      succeeded = false;
      continue;
    }
    ListingLine scanned;
    if (std::memchr(line, '\0', length) != nullptr || !scanListingLine(line, &scanned)) {
      printMessage("Malformed delegate info: line %" PRIu64 ": '%s'\n", lines, line);
      succeeded = false;
      continue;
    }
    // The delegator as the file has it, before any cut to a record's width.
    if (!passesPatternFilter(scanned.delegator, patterns)) {
      continue;
    }
    if (!storeDelegate(scanned.attributes, scanned.delegator, scanned.delegate, &added, &errors)) {
      succeeded = false;
    }
  }

  printMessage(dryRun_ ? "\nDelegates to add:%d, lines:%" PRIu64 " errors:%d\n"
                       : "\nDelegates added:%d, lines:%" PRIu64 " errors:%d\n",
               added, lines, errors);
  return succeeded;
}
