// The client library's delegate lists: copies of a server's delegations
// that stay put until the list is closed, whatever happens on the server.
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "caller_checks.h"
#include "delegation_rows.h"
#include "error_texts.h"
#include "exports.h"
#include "fault_table.h"
#include "handle_table.h"
#include "latency.h"
#include "list_sort.h"
#include "record_codec.h"
#include "telvwin32.h"

namespace {

// Sets *code to the list fault that applies to a request for user's list
// (null: every delegation), or to 0 when none does; false when the faults
// cannot be read. A fault for one user comes before a fault for every list.
bool listFault(Store* store, const char* user, uint32_t* code) {
  Fault fault;
  FaultLookup lookup = FaultLookup::kNone;
  if (user != nullptr) {
    lookup = faultFind(store, FaultKind::kList, user, "", &fault);
  }
  if (lookup == FaultLookup::kNone) {
    lookup = faultFind(store, FaultKind::kList, "", "", &fault);
  }
  *code = lookup == FaultLookup::kFound ? fault.code : 0;
  return lookup != FaultLookup::kFailed;
}

bool loadList(Store* store, const char* user, FetchedList* list) {
  Fault sortFault;
  FaultLookup sortLookup = faultFind(store, FaultKind::kSort, "", "", &sortFault);
  if (sortLookup == FaultLookup::kFailed) {
    return false;
  }
  list->sortFails = sortLookup == FaultLookup::kFound;
  list->sortFaultCode = sortFault.code;
  // The list of every delegation is counted first, so that its records
  // are placed once; a user's list holds a few and grows as it is read,
  // which spares every save of a load a second search of the index.
  uint64_t count = 0;
  if (user == nullptr && !rowsCount(store, user, &count)) {
    return false;
  }
  list->records.reserve(count);
  return rowsForEach(store, user, [list](const DelegationRow& row) {
    list->records.emplace_back();
    recordFromRow(row, &list->records.back());
  });
}

// Hands out the list's next element, or its first when restart is set.
uint32_t deliverFrom(uint32_t listHandle, void** element, bool restart) {
  if (element == nullptr) {
    return kErrBadArgument;
  }
  *element = nullptr;
  std::shared_ptr<FetchedList> list = handleList(listHandle);
  if (list == nullptr) {
    return kErrInvalidListHandle;
  }
  std::lock_guard<std::mutex> lock(list->mutex);
  if (restart) {
    list->next = 0;
  }
  if (list->next >= list->records.size()) {
    return kErrEndOfList;
  }
  *element = &list->records[list->next++];
  return 0;
}

}  // namespace

TELV_EXPORT uint32_t TELVAPI_CALL TelvGetDelegateList(uint32_t handle, const char* user,
                                                      uint32_t /*a*/, uint32_t /*b*/,
                                                      uint32_t /*c*/, uint32_t* listHandle) {
  checkCallerFlushed("TelvGetDelegateList");
  if (listHandle == nullptr) {
    return kErrBadArgument;
  }
  *listHandle = 0;
  std::shared_ptr<ConnectedServer> server = handleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  // A list is fetched from the server in one call; walking and sorting it
  // are the caller's own work, which no network slows.
  latencyWait(server->latencyMs);
  std::lock_guard<std::mutex> lock(server->mutex);
  Store* store = &server->store;
  // One snapshot for the faults, the count and the rows.
  if (!storeBeginRead(store)) {
    registryRememberDatabaseError(storeError(store));
    return kErrDatabase;
  }
  uint32_t faultCode = 0;
  auto list = std::make_shared<FetchedList>();
  list->server = handle;
  bool loaded =
      listFault(store, user, &faultCode) && (faultCode != 0 || loadList(store, user, list.get()));
  if (!loaded) {
    registryRememberDatabaseError(storeError(store));
  }
  storeRollback(store);
  if (!loaded) {
    return kErrDatabase;
  }
  if (faultCode != 0) {
    return faultCode;
  }
  *listHandle = handleAddList(std::move(list));
  return 0;
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvListSort(uint32_t listHandle, TelvCompareFn compare) {
  checkCallerFlushed("TelvListSort");
  std::shared_ptr<FetchedList> list = handleList(listHandle);
  if (list == nullptr) {
    return kErrInvalidListHandle;
  }
  if (compare == nullptr) {
    return kErrBadArgument;
  }
  std::lock_guard<std::mutex> lock(list->mutex);
  if (list->sortFails) {
    return list->sortFaultCode;
  }
  sortRecords(&list->records, compare);
  return 0;
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvListGetFirstElementPtr(uint32_t listHandle, void** element) {
  checkCallerFlushed("TelvListGetFirstElementPtr");
  return deliverFrom(listHandle, element, true);
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvListGetNextElementPtr(uint32_t listHandle, void** element) {
  checkCallerFlushed("TelvListGetNextElementPtr");
  return deliverFrom(listHandle, element, false);
}

TELV_EXPORT void TELVAPI_CALL TelvCloseListHandle(uint32_t listHandle) {
  checkCallerFlushed("TelvCloseListHandle");
  // The call has no way to refuse. Against a library that gives a closed
  // list's handle out again, a second close takes a list from whoever got
  // it next.
  if (!handleRemoveList(listHandle)) {
    reportCallerFault("TelvCloseListHandle called with list handle %u, which is not open",
                      listHandle);
  }
}
