// Listing: every in-box delegation of the server, sorted by delegator and
// delegate ignoring case, filtered by delegator patterns, one line each.
//
// The short format is for reading, on standard output: each line carries
// the running number of its delegator group and its own running number.
// The long format is the listing file's (see listing_file.h), on standard
// output or in a file; a listing to a file is always in it. Either way a
// line whose pair repeats the line before within one delegator group is
// marked with " *", and the output stream is flushed after every line, so
// an administrator watching a long listing sees it as it comes.

#include <cerrno>
#include <cstdio>

#include "attribute_text.h"
#include "console_output.h"
#include "delegate_list.h"
#include "delegate_tool.h"
#include "interruptions.h"
#include "listing_file.h"
#include "progress.h"
#include "record_user_id.h"
#include "user_id_match.h"

bool DelegateTool::listDelegates(const char* const* patterns) {
  printMessage("Retrieving in-box delegates list...\n");
  // How many the patterns let through is not known before the walk.
  Progress progress;
  progress.start("Listing delegates");
  DelegateList list;
  if (!list.fetch(serverHandle(), nullptr)) {
    printMessage("Can't retrieve delegates list: %s\n", serverName());
    return false;
  }

  printMessage("Sorting delegates list...\n");
  if (!list.sort(compareDelegations)) {
    printMessage("Can't sort delegates list: %s\n", serverName());
    return false;
  }

  // The walk is one unit: an interruption stops it between two lines, and
  // the list goes back to the library before the run ends.
  InterruptionHold hold;

  // The last listed line, for grouping and repeat marks; elements the
  // patterns skip leave it as it is.
  RecordUserId previousDelegator = {""};
  RecordUserId previousDelegate = {""};
  int delegators = 0;
  int entries = 0;

  for (const TelvDelegateRecord* record = list.first(); record != nullptr; record = list.next()) {
    if (interruptionHeld()) {
      list.close();
      return false;  // the run ends as the hold goes
    }
    RecordUserId delegator = readRecordUserId(record->delegator);
    if (!passesPatternFilter(delegator.text, patterns)) {
      continue;
    }
    RecordUserId delegate = readRecordUserId(record->delegate);

    ++entries;
    bool repeat = false;
    if (compareNoCase(previousDelegator.text, delegator.text) != 0) {
      previousDelegator = delegator;
      ++delegators;
    } else {
      repeat = compareNoCase(previousDelegate.text, delegate.text) == 0;
    }
    previousDelegate = delegate;

    const char* mark = repeat ? " *" : "";
    errno = 0;  // so that flushOutput finds the reason of a write that fails now
    if (longFormat_) {
      if (entries == 1) {
        writeListingHeader(output_);
      }
      writeListingLine(output_, attributesOfRecord(*record), delegator.text, delegate.text, repeat);
    } else {
      std::fprintf(output_, "%4d %4d  %s %s%s\n", delegators, entries, delegator.text,
                   delegate.text, mark);
    }
    flushOutput();
    progress.advance();
  }

  flushOutput();
  list.close();
  progress.finish();

  printMessage("delegators:%d, delegates:%d\n", delegators, entries);
  return true;
}
