#include "handle_table.h"

#include <algorithm>
#include <unordered_map>

namespace {

struct Tables {
  std::mutex mutex;
  uint32_t lastHandle = 0;
  std::unordered_map<uint32_t, std::shared_ptr<ConnectedServer>> servers;
  std::unordered_map<uint32_t, std::shared_ptr<FetchedList>> lists;
};

// Never destroyed: a handle left open at exit must not be closed after
// SQLite or the allocator may already be gone.
Tables& getTables() {
  static Tables* tables = new Tables;
  return *tables;
}

// Caller holds the tables' mutex.
uint32_t freshHandle(Tables& tables) {
  do {
    ++tables.lastHandle;
  } while (tables.lastHandle == 0 || tables.servers.count(tables.lastHandle) != 0 ||
           tables.lists.count(tables.lastHandle) != 0);
  return tables.lastHandle;
}

// The two kinds of handle share one counter and the same bookkeeping.
template <typename Object>
uint32_t addObject(std::unordered_map<uint32_t, std::shared_ptr<Object>> Tables::*table,
                   std::shared_ptr<Object> object) {
  Tables& tables = getTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  uint32_t handle = freshHandle(tables);
  (tables.*table).emplace(handle, std::move(object));
  return handle;
}

template <typename Object>
std::shared_ptr<Object> findObject(
    std::unordered_map<uint32_t, std::shared_ptr<Object>> Tables::*table, uint32_t handle) {
  Tables& tables = getTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  auto found = (tables.*table).find(handle);
  return found == (tables.*table).end() ? nullptr : found->second;
}

template <typename Object>
bool removeObject(std::unordered_map<uint32_t, std::shared_ptr<Object>> Tables::*table,
                  uint32_t handle) {
  // Declared before the lock, `object` is destroyed (a server closing its
  // database, a list freeing its records) only after the lock is released,
  // so other handles are not held up meanwhile.
  std::shared_ptr<Object> object;
  Tables& tables = getTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  auto found = (tables.*table).find(handle);
  if (found == (tables.*table).end()) {
    return false;
  }
  object = std::move(found->second);
  (tables.*table).erase(found);
  return true;
}

}  // namespace

uint32_t handleAddServer(std::shared_ptr<ConnectedServer> server) {
  return addObject(&Tables::servers, std::move(server));
}

std::shared_ptr<ConnectedServer> handleServer(uint32_t handle) {
  return findObject(&Tables::servers, handle);
}

void handleRemoveServer(uint32_t handle) {
  removeObject(&Tables::servers, handle);
}

uint32_t handleAddList(std::shared_ptr<FetchedList> list) {
  return addObject(&Tables::lists, std::move(list));
}

std::shared_ptr<FetchedList> handleList(uint32_t handle) {
  return findObject(&Tables::lists, handle);
}

bool handleRemoveList(uint32_t handle) {
  return removeObject(&Tables::lists, handle);
}

std::vector<OpenListHandle> handleOpenLists(uint32_t server) {
  std::vector<OpenListHandle> open;
  Tables& tables = getTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  for (const auto& entry : tables.lists) {
    if (server == 0 || entry.second->server == server) {
      open.push_back({entry.first, entry.second->server});
    }
  }
  std::sort(open.begin(), open.end(),
            [](const OpenListHandle& a, const OpenListHandle& b) { return a.list < b.list; });
  return open;
}
