// Storing one delegation, for adding and loading alike.
//
// The server may hold a pair more than once, and a save never replaces
// what is there, so every delegation of the pair is removed first: the new
// one takes their place. Pairs are found ignoring case, while the new
// record keeps the user IDs as they were typed or read.
//
// A removal followed by a failed save would lose the delegation the pair
// had. So each removed delegation is kept, byte for byte, and saved back
// when the new one cannot be saved.
//
// An interruption between a removal and the save would lose the pair all
// the same. So from the first removal (or from the save, when nothing is
// removed) through the save, any restore and the lines that report them,
// interruptions are held, and end the run only once the pair is whole.

#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "console_output.h"
#include "delegate_list.h"
#include "delegate_tool.h"
#include "interruptions.h"
#include "record_user_id.h"
#include "user_id_match.h"

namespace {

// The delegations of one pair that were removed, as the server's list held
// them.
struct RemovedCopies {
  std::vector<TelvDelegateRecord> records;
  // Held from the first removal on, and released as the copies go.
  std::optional<InterruptionHold> hold;
};

// Copies a user ID into a record's field: at most 21 characters, so the
// field's last byte stays the NUL of the zeroed record.
void copyUserId(const char* userId, char* field) {
  std::strncpy(field, userId, kRecordUserIdLength);
}

// Removes every delegation of the pair from the server, keeping a copy of
// each. The delegate's own list holds them; whatever else it holds is left
// alone. Returns false when the new delegation must not be saved: a
// removal failed and none succeeded, so the pair still stands as it was.
// *removalFailed tells whether any removal failed.
bool removeExistingPair(uint32_t server, const char* delegator, const char* delegate,
                        RemovedCopies* removed, bool* removalFailed) {
  DelegateList list;
  if (!list.fetch(server, delegate)) {
    return true;  // nothing to replace that we can see: save without the check
  }
  for (const TelvDelegateRecord* record = list.first(); record != nullptr; record = list.next()) {
    RecordUserId oldDelegator = readRecordUserId(record->delegator);
    RecordUserId oldDelegate = readRecordUserId(record->delegate);
    if (compareNoCase(oldDelegator.text, delegator) != 0 ||
        compareNoCase(oldDelegate.text, delegate) != 0) {
      continue;
    }
    printMessage("Replace existing delegate: %s <- %s\n", delegator, delegate);
    // The copy is taken before the removal: a delegation that could not be
    // put back is never removed.
    removed->records.push_back(*record);
    if (!removed->hold) {
      removed->hold.emplace();
    }
    uint32_t code = TelvDeleteDelegate(server, record->entryId);
    if (code != 0) {
      printMessage("Can't remove delegate (%d): %s <- %s\n", static_cast<int>(code),
                   oldDelegator.text, oldDelegate.text);
      removed->records.pop_back();
      *removalFailed = true;
      continue;
    }
  }
  list.close();
  return !(*removalFailed && removed->records.empty());
}

// Saves the removed delegations back as they were, but for the entry ID,
// which the server assigns anew. Returns false when one could not be.
bool restoreCopies(uint32_t server, RemovedCopies* removed) {
  bool restored = true;
  for (TelvDelegateRecord& copy : removed->records) {
    copy.entryId = 0;
    RecordUserId delegator = readRecordUserId(copy.delegator);
    RecordUserId delegate = readRecordUserId(copy.delegate);
    uint32_t code = TelvSaveDelegate(server, &copy);
    if (code == 0) {
      printMessage("Restored previous delegate: %s <- %s\n", delegator.text, delegate.text);
    } else {
      printMessage("Can't restore delegate (%d): %s <- %s\n", static_cast<int>(code),
                   delegator.text, delegate.text);
      restored = false;
    }
  }
  return restored;
}

}  // namespace

bool DelegateTool::storeDelegate(const DelegateAttributes& attributes, const char* delegator,
                                 const char* delegate, int* added, int* errors) {
  TelvDelegateRecord record;
  std::memset(&record, 0, sizeof(record));
  record.entryId = 0;
  record.typeCode = attributes.typeCode;
  for (int i = 0; i < 4; ++i) {
    record.masks[i] = attributes.masks[i];
  }
  copyUserId(delegator, record.delegator);
  copyUserId(delegate, record.delegate);

  // The delegator is tested first, so an add with a delegator that is too
  // long reports it once for every delegate.
  if (std::strcmp(record.delegator, delegator) != 0) {
    ++*errors;
    printMessage("Delegator name is too long: %s / %s\n", delegator, record.delegator);
    return false;
  }
  if (std::strcmp(record.delegate, delegate) != 0) {
    ++*errors;
    printMessage("Delegate name is too long: %s / %s\n", delegate, record.delegate);
    return false;
  }
  if (dryRun_) {
    previewStore(record, delegator, delegate, added);
    return true;
  }

  RemovedCopies removed;
  bool removalFailed = false;
  if (!removeExistingPair(serverHandle(), delegator, delegate, &removed, &removalFailed)) {
    // The replace and removal messages are all the report this pair gets.
    return false;
  }
  if (!removed.hold) {
    removed.hold.emplace();
  }

  uint32_t code = TelvSaveDelegate(serverHandle(), &record);
  RecordUserId savedDelegator = readRecordUserId(record.delegator);
  RecordUserId savedDelegate = readRecordUserId(record.delegate);
  if (code == 0) {
    ++*added;
    printMessage("Delegate loaded: %s <- %s\n", savedDelegator.text, savedDelegate.text);
  } else {
    ++*errors;
    printMessage("Can't load delegate info (%d): %s <- %s\n", static_cast<int>(code),
                 savedDelegator.text, savedDelegate.text);
  }
  bool stored = code == 0 && !removalFailed;
  if (code != 0 && !restoreCopies(serverHandle(), &removed)) {
    stored = false;
  }
  return stored;
}
