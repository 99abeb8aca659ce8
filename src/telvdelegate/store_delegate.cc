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
// the same. So from the first replace line (or from the save, when there
// is nothing to replace) through the save, any restore and the lines that
// report them, interruptions are held, and end the run only once the pair
// is whole.

#include <cstdio>
#include <cstring>
#include <vector>

#include "console_output.h"
#include "delegate_tool.h"
#include "interruptions.h"
#include "pair_copies.h"
#include "record_user_id.h"
#include "store_preview.h"

namespace {

// Copies a user ID into a record's field: at most 21 characters, so the
// field's last byte stays the NUL of the zeroed record.
void copyUserId(const char* userId, char* field) {
  std::strncpy(field, userId, kRecordUserIdLength);
}

// Removes the copies of the pair from the server, each after its replace
// line, which a quiet run leaves out. Keeps in *removed those that went, byte for byte, to be saved
// back should the new delegation fail. Returns false when a removal failed.
bool removeCopies(uint32_t server, const char* delegator, const char* delegate, bool quiet,
                  const std::vector<TelvDelegateRecord>& copies,
                  std::vector<TelvDelegateRecord>* removed) {
  bool allRemoved = true;
  for (const TelvDelegateRecord& copy : copies) {
    if (!quiet) {
      reportReplacement(delegator, delegate, false);
    }
    uint32_t code = TelvDeleteDelegate(server, copy.entryId);
    if (code == 0) {
      removed->push_back(copy);
      continue;
    }
    RecordUserId copyDelegator = readRecordUserId(copy.delegator);
    RecordUserId copyDelegate = readRecordUserId(copy.delegate);
    printMessage("Can't remove delegate (%d): %s <- %s\n", static_cast<int>(code),
                 copyDelegator.text, copyDelegate.text);
    allRemoved = false;
  }
  return allRemoved;
}

// Saves the removed delegations back as they were, but for the entry ID,
// which the server assigns anew. Returns false when one could not be.
bool restoreCopies(uint32_t server, std::vector<TelvDelegateRecord>* removed) {
  bool restored = true;
  for (TelvDelegateRecord& copy : *removed) {
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

// Removes the copies and saves the new delegation in their place, as one
// unit that an interruption cannot split. A quiet run reports failures
// alone. Returns false when anything failed.
bool replaceCopies(uint32_t server, bool quiet, TelvDelegateRecord* record,
                   const std::vector<TelvDelegateRecord>& copies, int* added, int* errors) {
  RecordUserId savedDelegator = readRecordUserId(record->delegator);
  RecordUserId savedDelegate = readRecordUserId(record->delegate);
  InterruptionHold hold;
  std::vector<TelvDelegateRecord> removed;
  bool allRemoved =
      removeCopies(server, savedDelegator.text, savedDelegate.text, quiet, copies, &removed);
  if (!allRemoved && removed.empty()) {
    // The pair stands as it was; the replace and removal lines are all the
    // report it gets.
    return false;
  }

  uint32_t code = TelvSaveDelegate(server, record);
  if (code == 0) {
    ++*added;
    if (!quiet) {
      printMessage("Delegate loaded: %s <- %s\n", savedDelegator.text, savedDelegate.text);
    }
  } else {
    ++*errors;
    printMessage("Can't load delegate info (%d): %s <- %s\n", static_cast<int>(code),
                 savedDelegator.text, savedDelegate.text);
  }
  bool stored = code == 0 && allRemoved;
  if (code != 0 && !restoreCopies(server, &removed)) {
    stored = false;
  }
  return stored;
}

}  // namespace

bool DelegateTool::storeDelegate(const DelegateAttributes& attributes, const char* delegator,
                                 const char* delegate, int* added, int* errors) {
  // The delegator is tested first, so an add with a delegator that is too
  // long reports it once for every delegate.
  if (!pairFitsRecord(delegator, delegate)) {
    ++*errors;
    return false;
  }
  TelvDelegateRecord record;
  std::memset(&record, 0, sizeof(record));  // entry ID 0: the server assigns one
  record.typeCode = attributes.typeCode;
  for (int i = 0; i < 4; ++i) {
    record.masks[i] = attributes.masks[i];
  }
  copyUserId(delegator, record.delegator);
  copyUserId(delegate, record.delegate);

  // Copies that cannot be looked up cannot be replaced: the delegation is
  // saved all the same, but the pair may now stand twice, which the result
  // tells.
  std::vector<TelvDelegateRecord> copies;
  bool lookedUp = lookUpPairCopies(serverHandle(), delegator, delegate, &copies);
  bool stored = dryRun_ != nullptr
                    ? previewStore(dryRun_, quiet_, record, &copies, added)
                    : replaceCopies(serverHandle(), quiet_, &record, copies, added, errors);
  return stored && lookedUp;
}
