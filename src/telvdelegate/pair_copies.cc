#include "pair_copies.h"

#include <cstring>

#include "console_output.h"
#include "delegate_list.h"
#include "interruptions.h"
#include "record_user_id.h"
#include "user_id_match.h"

bool pairFitsRecord(const char* delegator, const char* delegate) {
  const int kWidth = static_cast<int>(kRecordUserIdLength);
  if (std::strlen(delegator) > kRecordUserIdLength) {
    printMessage("Delegator name is too long: %s / %.*s\n", delegator, kWidth, delegator);
    return false;
  }
  if (std::strlen(delegate) > kRecordUserIdLength) {
    printMessage("Delegate name is too long: %s / %.*s\n", delegate, kWidth, delegate);
    return false;
  }
  return true;
}

int comparePairs(const char* delegatorA, const char* delegateA, const char* delegatorB,
                 const char* delegateB) {
  int order = compareNoCase(delegatorA, delegatorB);
  return order != 0 ? order : compareNoCase(delegateA, delegateB);
}

bool lookUpPairCopies(uint32_t server, const char* delegator, const char* delegate,
                      std::vector<TelvDelegateRecord>* copies) {
  copies->clear();
  DelegateList list;
  if (!list.fetch(server, delegate)) {
    printMessage("Can't retrieve delegates for: %s\n", delegate);
    return false;
  }
  // An interruption waits for the short walk, so that the list goes back
  // to the library before the run ends.
  InterruptionHold hold;
  for (const TelvDelegateRecord* record = list.first(); record != nullptr; record = list.next()) {
    RecordUserId copyDelegator = readRecordUserId(record->delegator);
    RecordUserId copyDelegate = readRecordUserId(record->delegate);
    if (comparePairs(copyDelegator.text, copyDelegate.text, delegator, delegate) == 0) {
      copies->push_back(*record);  // by value: the list's elements go with it
    }
  }
  list.close();
  return true;
}

void reportReplacement(const char* delegator, const char* delegate, bool unchanged) {
  printMessage("Replace existing delegate: %s <- %s%s\n", delegator, delegate,
               unchanged ? " (unchanged)" : "");
}
