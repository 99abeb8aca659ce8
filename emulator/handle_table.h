// The process's open servers and delegate lists, by the handles the library
// gave out for them.
//
// One counter numbers both kinds, from 1, so that a list handle passed where
// a server handle belongs (or the reverse) is refused rather than taken for
// another object. Each object carries its own mutex; a caller holds it while
// using the object, and shared ownership keeps an object alive while a call
// uses it even if another thread closes its handle meanwhile.
#ifndef EMULATOR_HANDLE_TABLE_H_
#define EMULATOR_HANDLE_TABLE_H_

#include <stdint.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "record_allocator.h"
#include "store.h"
#include "telvwin32.h"

// A server a caller connected to with TelvCreateServerHandle: its database
// stays open until the last user of the handle lets go.
struct ConnectedServer {
  std::mutex mutex;
  Store store;
  // What each call on the server takes, in milliseconds (see latency.h),
  // as it was when the caller connected: read once, so that a server
  // without one costs its callers no query per call.
  uint32_t latencyMs = 0;
};

// A list a caller fetched with TelvGetDelegateList: its own copy of the
// records, which stays valid until the caller closes the list.
struct FetchedList {
  std::mutex mutex;
  // The server handle the list was fetched through.
  uint32_t server = 0;
  RecordVector records;
  // Index of the element the next "next" call delivers.
  size_t next = 0;
  // The sort fault of the server at the time the list was made: a list has
  // no server handle to look it up by later.
  bool sortFails = false;
  uint32_t sortFaultCode = 0;
};

uint32_t handleAddServer(std::shared_ptr<ConnectedServer> server);
std::shared_ptr<ConnectedServer> handleServer(uint32_t handle);
// Forgets the handle; the server closes when the last user lets go.
void handleRemoveServer(uint32_t handle);

uint32_t handleAddList(std::shared_ptr<FetchedList> list);
std::shared_ptr<FetchedList> handleList(uint32_t handle);
// False when no list has the handle: never given out, or closed already.
bool handleRemoveList(uint32_t handle);

struct OpenListHandle {
  uint32_t list;
  uint32_t server;
};
// The list handles still open that were fetched through the server handle;
// with 0, all of them. In ascending order.
std::vector<OpenListHandle> handleOpenLists(uint32_t server);

#endif  // EMULATOR_HANDLE_TABLE_H_
