#include "handle_table.h"

#include <unordered_map>

namespace {

struct Tables {
  std::mutex mutex;
  uint32_t lastHandle = 0;
  std::unordered_map<uint32_t, std::shared_ptr<OpenServer>> servers;
  std::unordered_map<uint32_t, std::shared_ptr<DelegateList>> lists;
};

// Never destroyed: a handle left open at exit must not be closed after
// SQLite or the allocator may already be gone.
Tables& GetTables() {
  static Tables* tables = new Tables;
  return *tables;
}

// Caller holds the tables' mutex.
uint32_t FreshHandle(Tables& tables) {
  do {
    ++tables.lastHandle;
  } while (tables.lastHandle == 0 || tables.servers.count(tables.lastHandle) != 0 ||
           tables.lists.count(tables.lastHandle) != 0);
  return tables.lastHandle;
}

}  // namespace

uint32_t HandleAddServer(std::shared_ptr<OpenServer> server) {
  Tables& tables = GetTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  uint32_t handle = FreshHandle(tables);
  tables.servers.emplace(handle, std::move(server));
  return handle;
}

std::shared_ptr<OpenServer> HandleServer(uint32_t handle) {
  Tables& tables = GetTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  auto found = tables.servers.find(handle);
  return found == tables.servers.end() ? nullptr : found->second;
}

void HandleRemoveServer(uint32_t handle) {
  std::shared_ptr<OpenServer> server;
  Tables& tables = GetTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  auto found = tables.servers.find(handle);
  if (found != tables.servers.end()) {
    // Declared before the lock, `server` closes its database only after the
    // lock is released, so other handles are not held up meanwhile.
    server = std::move(found->second);
    tables.servers.erase(found);
  }
}

uint32_t HandleAddList(std::shared_ptr<DelegateList> list) {
  Tables& tables = GetTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  uint32_t handle = FreshHandle(tables);
  tables.lists.emplace(handle, std::move(list));
  return handle;
}

std::shared_ptr<DelegateList> HandleList(uint32_t handle) {
  Tables& tables = GetTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  auto found = tables.lists.find(handle);
  return found == tables.lists.end() ? nullptr : found->second;
}

void HandleRemoveList(uint32_t handle) {
  std::shared_ptr<DelegateList> list;
  Tables& tables = GetTables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  auto found = tables.lists.find(handle);
  if (found != tables.lists.end()) {
    list = std::move(found->second);
    tables.lists.erase(found);
  }
}
