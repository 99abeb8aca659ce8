// Loading: the delegations of a listing file, as an earlier run wrote it
// with -o, stored on the server one line at a time. Delegator patterns
// restrict which lines are loaded.
//
// A bad line is reported with its line number and skipped; only an empty
// input or a file that is not a listing stops the load. The line number
// counts every line read, the header, comments and filtered lines
// included, so that it points into the file.

#include <cstdio>

#include "delegate_tool.h"
#include "listing_file.h"
#include "user_id_match.h"

bool DelegateTool::loadDelegates(char** patterns) {
  char line[kListingLineLength + 1];
  int lines = 1;
  int added = 0;
  int errors = 0;

  if (readLine(line, kListingLineLength) < 0) {
    return false;  // an empty input, as a listing that matched nothing leaves
  }
  if (!isListingHeader(line)) {
    std::printf("Can't load input file, bad format (not %d): '%s'\n", kListingFormat, line);
    std::fflush(stdout);
    return false;
  }

  while (readLine(line, kListingLineLength) >= 0) {
    ++lines;
    if (isBlankOrComment(line)) {
      continue;
    }
    ListingLine scanned;
    if (!scanListingLine(line, &scanned)) {
      // Reported whatever the patterns: without a delegator there is
      // nothing to filter on.
      std::printf("Malformed delegate info: line %d: '%s'\n", lines, line);
      std::fflush(stdout);
      continue;
    }
    // The delegator as the file has it, before any cut to a record's width.
    if (!passesPatternFilter(scanned.delegator, patterns)) {
      continue;
    }
    storeDelegate(scanned.attributes, scanned.delegator, scanned.delegate, &added, &errors);
  }

  std::printf("\n");
  std::printf("Delegates added:%d, lines:%d errors:%d\n", added, lines, errors);
  std::fflush(stdout);
  return true;
}
