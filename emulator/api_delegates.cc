// The client library's calls that change a server's delegations.
#include <string.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>

#include "caller_checks.h"
#include "delegation_rows.h"
#include "error_texts.h"
#include "exports.h"
#include "fault_table.h"
#include "handle_table.h"
#include "latency.h"
#include "record_codec.h"
#include "telvwin32.h"

namespace {

// The largest entry ID a record can carry.
constexpr sqlite3_int64 kLastEntryId = 0xFFFFFFFF;

// Whether a user-ID field holds anything after the NUL that ends the ID.
bool hasBytesAfterUserId(const char (&field)[kUserIdFieldSize]) {
  const char* end = static_cast<const char*>(memchr(field, '\0', kUserIdFieldSize));
  return end != nullptr &&
         std::any_of(end, field + kUserIdFieldSize, [](char c) { return c != 0; });
}

uint32_t fail(Store* store) {
  registryRememberDatabaseError(storeError(store));
  storeRollback(store);
  return kErrDatabase;
}

}  // namespace

TELV_EXPORT uint32_t TELVAPI_CALL TelvDeleteDelegate(uint32_t handle, uint32_t entryId) {
  checkCallerFlushed("TelvDeleteDelegate");
  std::shared_ptr<ConnectedServer> server = handleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  latencyWait(server->latencyMs);
  std::lock_guard<std::mutex> lock(server->mutex);
  Store* store = &server->store;
  if (!storeBeginWrite(store)) {
    return fail(store);
  }
  Fault fault;
  switch (faultFind(store, FaultKind::kDelete, std::to_string(entryId), "", &fault)) {
    case FaultLookup::kFound:
      storeRollback(store);
      return fault.code;
    case FaultLookup::kFailed:
      return fail(store);
    case FaultLookup::kNone:
      break;
  }
  DeleteOutcome outcome = rowsDelete(store, entryId);
  if (outcome == DeleteOutcome::kFailed || !storeCommit(store)) {
    return fail(store);
  }
  return outcome == DeleteOutcome::kDeleted ? 0 : kErrNoSuchDelegate;
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvSaveDelegate(uint32_t handle, TelvDelegateRecord* record) {
  checkCallerFlushed("TelvSaveDelegate");
  std::shared_ptr<ConnectedServer> server = handleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  if (record == nullptr) {
    return kErrBadArgument;
  }
  // A caller that sends a listed record back unchanged, or one it did not
  // zero first, is refused: the real server may read those bytes.
  if (record->entryId != 0) {
    return kErrEntryIdGiven;
  }
  if (hasBytesAfterUserId(record->delegator) || hasBytesAfterUserId(record->delegate)) {
    return kErrUserIdTrailingBytes;
  }
  DelegationRow row = rowFromRecord(*record);
  latencyWait(server->latencyMs);
  std::lock_guard<std::mutex> lock(server->mutex);
  Store* store = &server->store;
  if (!storeBeginWrite(store)) {
    return fail(store);
  }
  Fault fault;
  switch (faultTake(store, FaultKind::kSave, row.delegator, row.delegate, &fault)) {
    case FaultLookup::kFound:
      // Commits the failure a counted fault gave up, so the next save of
      // the pair sees one fewer.
      return storeCommit(store) ? fault.code : fail(store);
    case FaultLookup::kFailed:
      return fail(store);
    case FaultLookup::kNone:
      break;
  }
  // The caller's record stays as it was: a new entry ID becomes known only
  // through a fresh list.
  if (!rowsInsert(store, row, nullptr)) {
    return fail(store);
  }
  // Entry IDs are 32 bits wide and never given out twice, so they never
  // wrap: past the last one, saves fail.
  if (sqlite3_last_insert_rowid(store->db) > kLastEntryId) {
    storeRollback(store);
    return kErrEntryIdsExhausted;
  }
  if (!storeCommit(store)) {
    return fail(store);
  }
  return 0;
}
