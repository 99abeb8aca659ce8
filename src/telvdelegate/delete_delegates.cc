// Deleting: every delegation whose delegator matches one pattern and whose
// delegate matches any of a list of patterns. Both may hold wildcards.
//
// The list is walked in the order the server gives; a removal leaves the
// list's elements valid, so the walk goes on over the same list. A failed
// removal is reported and not counted, and the walk goes on; the result
// tells that one failed.
//
// The walk is one unit: an interruption waits until a removal and its line
// are done, and stops the walk there, so that its list is closed before
// the run ends.

#include <cstdio>

#include "console_output.h"
#include "delegate_list.h"
#include "delegate_tool.h"
#include "interruptions.h"
#include "progress.h"
#include "record_user_id.h"
#include "telvwin32.h"
#include "user_id_match.h"

namespace {

// The delegations the delete will take, for the progress line: one walk of
// the list in memory, with no call to the server, against the removals'
// one call each.
uint64_t countMatches(DelegateList* list, const char* delegatorPattern,
                      const char* const* delegatePatterns) {
  uint64_t count = 0;
  for (const TelvDelegateRecord* record = list->first(); record != nullptr; record = list->next()) {
    count += matchPattern(readRecordUserId(record->delegator).text, delegatorPattern) &&
             matchesAnyPattern(readRecordUserId(record->delegate).text, delegatePatterns);
  }
  return count;
}

}  // namespace

bool DelegateTool::deleteDelegates(const char* delegatorPattern,
                                   const char* const* delegatePatterns) {
  Progress progress;
  progress.start(dryRun_ ? "Finding delegates to remove" : "Removing delegates");
  InterruptionHold hold;  // made before the list, so it goes after it
  DelegateList list;
  if (!list.fetch(serverHandle(), nullptr)) {
    printMessage("Can't retrieve delegates for: %s\n", delegatorPattern);
    return false;
  }
  if (progress.active()) {
    progress.setTotal(countMatches(&list, delegatorPattern, delegatePatterns));
  }

  int removed = 0;
  bool succeeded = true;
  for (const TelvDelegateRecord* record = list.first(); record != nullptr; record = list.next()) {
    if (interruptionHeld()) {
      return false;  // the run ends as the hold goes
    }
    RecordUserId delegator = readRecordUserId(record->delegator);
    if (!matchPattern(delegator.text, delegatorPattern)) {
      continue;
    }
    RecordUserId delegate = readRecordUserId(record->delegate);
    if (!matchesAnyPattern(delegate.text, delegatePatterns)) {
      continue;  // a delegation matching several patterns is still removed once
    }
    if (dryRun_) {
      if (!quiet_) {
        printMessage("Delegate to remove:  %s <- %s\n", delegator.text, delegate.text);
      }
      ++removed;
      progress.advance();
      continue;
    }
    uint32_t code = TelvDeleteDelegate(serverHandle(), record->entryId);
    if (code == 0) {
      if (!quiet_) {
        printMessage("Delegate removed:  %s <- %s\n", delegator.text, delegate.text);
      }
      ++removed;
    } else {
      printMessage("Can't remove delegate (%d): %s <- %s\n", static_cast<int>(code), delegator.text,
                   delegate.text);
      succeeded = false;
    }
    progress.advance();
  }
  list.close();
  progress.finish();

  printMessage(dryRun_ ? "Delegates to remove: %d\n" : "Delegates removed: %d\n", removed);
  return succeeded;
}
