#include "store.h"

Store::~Store() {
  storeClose(this);
}

bool storeOpen(const std::string& path, bool create, Store* store, std::string* error) {
  storeClose(store);
  int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    if (error != nullptr) {
      *error = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    }
    sqlite3_close(db);
    return false;
  }
  store->db = db;
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  // WAL is a property of the file, set once when the server is made; the
  // synchronous level belongs to each connection. Without syncs a process
  // that dies mid-save still leaves every save whole or absent, which is
  // all an emulated server owes its callers; only a crash of the machine
  // could lose the latest saves. Syncs at WAL checkpoints would make a load
  // wait on the disk, hiding what the client itself costs; the loads of
  // `bench/run_bench.py` guard it. The level only tunes speed, so a file
  // that is no database fails at its first real query instead, where the
  // caller reports it as the database error it is.
  storeExec(store, "PRAGMA synchronous=OFF");
  // A server of a million delegations spans some hundred megabytes; with
  // the default cache of two megabytes, a save would read most of its
  // B-tree pages from the file again, one system call each.
  storeExec(store, "PRAGMA cache_size=-262144");
  return true;
}

void storeClose(Store* store) {
  for (auto& entry : store->statements) {
    sqlite3_finalize(entry.second);
  }
  store->statements.clear();
  if (store->db != nullptr) {
    sqlite3_close(store->db);
    store->db = nullptr;
  }
}

sqlite3_stmt* storeStatement(Store* store, const char* sql) {
  if (store->db == nullptr) {
    return nullptr;
  }
  auto found = store->statements.find(sql);
  if (found != store->statements.end()) {
    sqlite3_reset(found->second);
    sqlite3_clear_bindings(found->second);
    return found->second;
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(store->db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
      SQLITE_OK) {
    sqlite3_finalize(statement);
    return nullptr;
  }
  store->statements.emplace(sql, statement);
  return statement;
}

bool storeExec(Store* store, const char* sql) {
  return store->db != nullptr &&
         sqlite3_exec(store->db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool storeBeginWrite(Store* store) {
  return storeExec(store, "BEGIN IMMEDIATE");
}

bool storeBeginRead(Store* store) {
  return storeExec(store, "BEGIN");
}

bool storeCommit(Store* store) {
  return storeExec(store, "COMMIT");
}

void storeRollback(Store* store) {
  if (store->db != nullptr && !sqlite3_get_autocommit(store->db)) {
    sqlite3_exec(store->db, "ROLLBACK", nullptr, nullptr, nullptr);
  }
}

std::string storeError(const Store* store) {
  return store->db != nullptr ? sqlite3_errmsg(store->db) : "database not open";
}

int storeBindText(sqlite3_stmt* statement, int index, const std::string& text) {
  return sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                           SQLITE_TRANSIENT);
}
