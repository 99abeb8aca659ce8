// Adding: one delegator gets one or more delegates, all with the
// permissions of one preset. User IDs typed here name single users, so
// wildcards are refused: in the delegator the whole add, in a delegate that
// delegate alone. So is an empty user ID (an unset shell variable): its
// listing line could never be loaded back.

#include <cstdio>

#include "attribute_text.h"
#include "console_output.h"
#include "delegate_tool.h"
#include "progress.h"
#include "user_id_match.h"

bool DelegateTool::addDelegates(const char* delegator, const char* const* delegates,
                                const char* presetText) {
  if (delegator[0] == '\0') {
    printMessage("Delegator user-ID to add cannot be empty\n");
    return false;
  }
  if (hasWildcards(delegator)) {
    printMessage("Delegator user-ID to add cannot contain wildcards: %s\n", delegator);
    return false;
  }
  DelegateAttributes attributes;
  if (!readAttributeText(presetText, &attributes)) {
    printMessage("Malformed delegate info: '%s'\n", presetText);
    return false;
  }

  int added = 0;
  int errors = 0;
  bool succeeded = true;
  uint64_t count = 0;
  while (delegates[count] != nullptr) {
    ++count;
  }
  Progress progress;
  progress.start(dryRun_ ? "Checking delegates to add" : "Adding delegates", count);
  // Each delegate is counted as done when the next is taken up, between
  // the stores, whichever way its turn ended.
  for (const char* const* delegate = delegates; *delegate != nullptr;
       ++delegate, progress.advance()) {
    if ((*delegate)[0] == '\0') {
      printMessage("Delegatee user-ID to add cannot be empty\n");
      succeeded = false;
      continue;  // counts as neither an addition nor an error
    }
    if (hasWildcards(*delegate)) {
      printMessage("Delegatee user-ID to add cannot contain wildcards: %s\n", *delegate);
      succeeded = false;
      continue;  // counts as neither an addition nor an error
    }
    if (!storeDelegate(attributes, delegator, *delegate, &added, &errors)) {
      succeeded = false;
    }
  }

  progress.finish();
  printMessage(dryRun_ ? "\nDelegates to add:%d, errors:%d\n" : "\nDelegates added:%d, errors:%d\n",
               added, errors);
  return succeeded;
}
