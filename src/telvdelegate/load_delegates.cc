// Loading: the delegations of a listing file, as an earlier run wrote it
// with -o, stored on the server one line at a time. Delegator patterns
// restrict which lines are loaded.
//
// A bad line is reported and skipped (see listing_input.h); only an empty
// input, a file that is not a listing or a failed read stops the load. A
// load cut short by a failed read prints no summary, which would pass for
// a whole load.

#include <cinttypes>
#include <cstdio>

#include "console_output.h"
#include "delegate_tool.h"
#include "listing_input.h"
#include "progress.h"

bool DelegateTool::loadDelegates(const char* const* patterns) {
  int added = 0;
  int errors = 0;
  bool stored = true;
  Progress progress;
  progress.start(dryRun_ ? "Checking delegates to load" : "Loading delegates");
  progress.trackFile(input_);
  ListingReading reading = readListing(
      input_, patterns,
      [&](const ListingLine& line) {
        if (!storeDelegate(line.attributes, line.delegator, line.delegate, &added, &errors)) {
          stored = false;
        }
      },
      &progress);
  progress.finish();
  if (reading.readError != 0) {
    inputError_ = reading.readError;
    return false;
  }
  if (reading.lines == 0) {
    return true;  // an empty input, as a listing that matched nothing leaves
  }
  if (reading.headerRefused) {
    return false;
  }
  printMessage(dryRun_ ? "\nDelegates to add:%d, lines:%" PRIu64 " errors:%d\n"
                       : "\nDelegates added:%d, lines:%" PRIu64 " errors:%d\n",
               added, reading.lines, errors);
  return stored && !reading.malformed;
}
