// Adding: one delegator gets one or more delegates, all with the
// permissions of one preset. User IDs typed here name single users, so
// wildcards are refused: in the delegator the whole add, in a delegate that
// delegate alone.

#include <cstdio>

#include "attribute_text.h"
#include "delegate_tool.h"
#include "user_id_match.h"

bool DelegateTool::addDelegates(const char* delegator, char** delegates, const char* presetText) {
  if (hasWildcards(delegator)) {
    std::printf("Delegator user-ID to add cannot contain wildcards: %s\n", delegator);
    std::fflush(stdout);
    return false;
  }
  DelegateAttributes attributes;
  if (!readAttributeText(presetText, &attributes)) {
    std::printf("Malformed delegate info: '%s'\n", presetText);
    std::fflush(stdout);
    return false;
  }

  int added = 0;
  int errors = 0;
  for (char** delegate = delegates; *delegate != nullptr; ++delegate) {
    if (hasWildcards(*delegate)) {
      std::printf("Delegatee user-ID to add cannot contain wildcards: %s\n", *delegate);
      std::fflush(stdout);
      continue;  // counts as neither an addition nor an error
    }
    storeDelegate(attributes, delegator, *delegate, &added, &errors);
  }

  std::printf("\n");
  std::printf("Delegates added:%d, errors:%d\n", added, errors);
  std::fflush(stdout);
  return true;
}
