// The client library's calls that change a server's delegations.
#include <memory>
#include <mutex>
#include <string>

#include "delegation_rows.h"
#include "error_codes.h"
#include "exports.h"
#include "fault_table.h"
#include "handle_table.h"
#include "record_codec.h"
#include "telvwin32.h"
#include "text_registry.h"

namespace {

uint32_t Fail(Store* store) {
  RegistryRememberDatabaseError(StoreError(store));
  StoreRollback(store);
  return kErrDatabase;
}

}  // namespace

TELV_EXPORT uint32_t TELVAPI_CALL TelvDeleteDelegate(uint32_t handle, uint32_t entryId) {
  std::shared_ptr<OpenServer> server = HandleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  std::lock_guard<std::mutex> lock(server->mutex);
  Store* store = &server->store;
  if (!StoreBeginWrite(store)) {
    return Fail(store);
  }
  Fault fault;
  switch (FaultFind(store, FaultKind::kDelete, std::to_string(entryId), "", &fault)) {
    case FaultLookup::kFound:
      StoreRollback(store);
      return fault.code;
    case FaultLookup::kFailed:
      return Fail(store);
    case FaultLookup::kNone:
      break;
  }
  DeleteOutcome outcome = RowsDelete(store, entryId);
  if (outcome == DeleteOutcome::kFailed || !StoreCommit(store)) {
    return Fail(store);
  }
  return outcome == DeleteOutcome::kDeleted ? 0 : kErrNoSuchDelegate;
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvSaveDelegate(uint32_t handle, TelvDelegateRecord* record) {
  std::shared_ptr<OpenServer> server = HandleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  if (record == nullptr) {
    return kErrBadArgument;
  }
  DelegationRow row = RowFromRecord(*record);
  std::lock_guard<std::mutex> lock(server->mutex);
  Store* store = &server->store;
  if (!StoreBeginWrite(store)) {
    return Fail(store);
  }
  Fault fault;
  switch (FaultTake(store, FaultKind::kSave, row.delegator, row.delegate, &fault)) {
    case FaultLookup::kFound:
      // Commits the failure a counted fault gave up, so the next save of
      // the pair sees one fewer.
      return StoreCommit(store) ? fault.code : Fail(store);
    case FaultLookup::kFailed:
      return Fail(store);
    case FaultLookup::kNone:
      break;
  }
  // The caller's record stays as it was: a new entry ID becomes known only
  // through a fresh list.
  if (!RowsInsert(store, row, nullptr) || !StoreCommit(store)) {
    return Fail(store);
  }
  return 0;
}
