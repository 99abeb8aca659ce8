// One open connection to a server's SQLite database, with its prepared
// statements kept for reuse and the transaction helpers every writer uses.
//
// Several processes may use one server at once: the database runs in WAL
// mode, waits up to kBusyTimeoutMs for a lock, and every read-modify-write
// runs inside BEGIN IMMEDIATE so that no two writers interleave.
#ifndef EMULATOR_STORE_H_
#define EMULATOR_STORE_H_

#include <sqlite3.h>

#include <string>
#include <unordered_map>

constexpr int kBusyTimeoutMs = 10000;

struct Store {
  Store() = default;
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;
  ~Store();

  sqlite3* db = nullptr;
  std::unordered_map<std::string, sqlite3_stmt*> statements;
};

// Opens the database at path; create also makes a missing file. On failure
// *error (when given) says why and the store stays closed.
bool storeOpen(const std::string& path, bool create, Store* store, std::string* error);

// Finalizes the statements and closes the connection; harmless when closed.
void storeClose(Store* store);

// The cached statement for sql, reset and with its bindings cleared, or null
// when it does not compile. Use it under a StatementScope.
sqlite3_stmt* storeStatement(Store* store, const char* sql);

// Resets a statement when the scope ends, so that an unfinished SELECT never
// holds its read snapshot past the call that ran it.
struct StatementScope {
  explicit StatementScope(sqlite3_stmt* statement) : stmt(statement) {}
  StatementScope(const StatementScope&) = delete;
  StatementScope& operator=(const StatementScope&) = delete;
  ~StatementScope() {
    if (stmt != nullptr) {
      sqlite3_reset(stmt);
    }
  }
  sqlite3_stmt* stmt;
};

// Runs SQL that returns no rows.
bool storeExec(Store* store, const char* sql);

// BEGIN IMMEDIATE, for a read-modify-write.
bool storeBeginWrite(Store* store);
// BEGIN, for reads that must see one snapshot.
bool storeBeginRead(Store* store);
bool storeCommit(Store* store);
// Rolls back when a transaction is open.
void storeRollback(Store* store);

// The connection's last error message.
std::string storeError(const Store* store);

// Binds text of a given length, copied by SQLite.
int storeBindText(sqlite3_stmt* statement, int index, const std::string& text);

#endif  // EMULATOR_STORE_H_
