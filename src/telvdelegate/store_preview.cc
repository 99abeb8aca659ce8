// The dry run of storing one delegation: the lines a store would print, up
// to the changes it would make, worded so that none claims a change. No
// removal and no save reach the server. What only the server could refuse,
// a removal or save that would fail, cannot be foreseen here.

#include <cstdio>

#include "console_output.h"
#include "delegate_list.h"
#include "delegate_tool.h"
#include "record_user_id.h"
#include "user_id_match.h"

namespace {

bool sameAttributes(const DelegateAttributes& a, const DelegateAttributes& b) {
  return a.typeCode == b.typeCode && a.masks[0] == b.masks[0] && a.masks[1] == b.masks[1] &&
         a.masks[2] == b.masks[2] && a.masks[3] == b.masks[3];
}

// A copy a store would remove; one that already holds the new attributes
// is marked, since replacing it would change nothing but its entry ID.
void reportReplacement(const char* delegator, const char* delegate, bool unchanged) {
  printMessage("Replace existing delegate: %s <- %s%s\n", delegator, delegate,
               unchanged ? " (unchanged)" : "");
}

}  // namespace

bool DelegateTool::UserIdPairLess::operator()(const UserIdPair& a, const UserIdPair& b) const {
  int delegators = compareNoCase(a.first.c_str(), b.first.c_str());
  if (delegators != 0) {
    return delegators < 0;
  }
  return compareNoCase(a.second.c_str(), b.second.c_str()) < 0;
}

void DelegateTool::previewStore(const TelvDelegateRecord& record, const char* delegator,
                                const char* delegate, int* added) {
  DelegateAttributes attributes = attributesOfRecord(record);
  UserIdPair pair(delegator, delegate);
  auto previewed = previewedPairs_.find(pair);
  if (previewed != previewedPairs_.end()) {
    // An earlier store of this run would have removed the server's copies
    // and saved this one in their place.
    if (!quiet_) {
      reportReplacement(delegator, delegate, sameAttributes(previewed->second, attributes));
    }
  } else if (!quiet_) {
    DelegateList list;
    if (list.fetch(serverHandle(), delegate)) {
      for (const TelvDelegateRecord* old = list.first(); old != nullptr; old = list.next()) {
        RecordUserId oldDelegator = readRecordUserId(old->delegator);
        RecordUserId oldDelegate = readRecordUserId(old->delegate);
        if (compareNoCase(oldDelegator.text, delegator) == 0 &&
            compareNoCase(oldDelegate.text, delegate) == 0) {
          reportReplacement(delegator, delegate,
                            sameAttributes(attributesOfRecord(*old), attributes));
        }
      }
      list.close();
    }
  }
  previewedPairs_[pair] = attributes;

  ++*added;
  RecordUserId savedDelegator = readRecordUserId(record.delegator);
  RecordUserId savedDelegate = readRecordUserId(record.delegate);
  if (!quiet_) {
    printMessage("Delegate to load: %s <- %s\n", savedDelegator.text, savedDelegate.text);
  }
}
