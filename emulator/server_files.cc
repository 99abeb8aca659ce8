#include "server_files.h"

#include <filesystem>
#include <system_error>

#include "emulator_env.h"

namespace fs = std::filesystem;

const char kDelegateIndexSql[] =
    "CREATE INDEX delegations_by_delegate ON delegations (delegate COLLATE NOCASE)";

namespace {

// Faults and texts sit beside the delegations so that every process using
// the server sees them and a run of telvemu sets them for the next.
constexpr const char* kSchema = R"sql(
CREATE TABLE server (
  key TEXT PRIMARY KEY,
  value TEXT NOT NULL
) WITHOUT ROWID;
CREATE TABLE delegations (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  type INTEGER NOT NULL,
  mask1 INTEGER NOT NULL,
  mask2 INTEGER NOT NULL,
  mask3 INTEGER NOT NULL,
  mask4 INTEGER NOT NULL,
  delegator TEXT NOT NULL,
  delegate TEXT NOT NULL,
  reserved BLOB
);
CREATE TABLE faults (
  kind TEXT NOT NULL,
  subject TEXT NOT NULL COLLATE NOCASE,
  subject2 TEXT NOT NULL COLLATE NOCASE,
  code INTEGER NOT NULL,
  remaining INTEGER,
  PRIMARY KEY (kind, subject, subject2)
);
CREATE TABLE texts (
  code INTEGER PRIMARY KEY,
  text TEXT NOT NULL
);
)sql";

bool DatabasePath(const std::string& name, std::string* path, std::string* error) {
  if (!EnvServerDatabasePath(name.c_str(), path)) {
    *error = "'" + name + "' cannot be a server name";
    return false;
  }
  return true;
}

bool WriteSchema(Store* store, const std::string& name, std::string* error) {
  if (!StoreExec(store, "PRAGMA journal_mode=WAL") || !StoreBeginWrite(store)) {
    *error = StoreError(store);
    return false;
  }
  if (!StoreExec(store, kSchema) || !StoreExec(store, kDelegateIndexSql)) {
    *error = StoreError(store);
    StoreRollback(store);
    return false;
  }
  sqlite3_stmt* insert =
      StoreStatement(store, "INSERT INTO server (key, value) VALUES ('name', ?)");
  StatementScope scope(insert);
  if (insert == nullptr || StoreBindText(insert, 1, name) != SQLITE_OK ||
      sqlite3_step(insert) != SQLITE_DONE || !StoreCommit(store)) {
    *error = StoreError(store);
    StoreRollback(store);
    return false;
  }
  return true;
}

}  // namespace

bool ServerCreate(const std::string& name, std::string* error) {
  std::string path;
  if (!DatabasePath(name, &path, error)) {
    return false;
  }
  std::error_code ec;
  fs::create_directories(EnvServerDir(), ec);
  if (ec) {
    *error = "cannot create " + EnvServerDir() + ": " + ec.message();
    return false;
  }
  if (fs::exists(path, ec)) {
    *error = "server '" + name + "' already exists";
    return false;
  }
  Store store;
  if (!StoreOpen(path, true, &store, error)) {
    return false;
  }
  // A second telvemu racing us finds the tables made and fails here.
  if (!WriteSchema(&store, name, error)) {
    *error = "cannot create server '" + name + "': " + *error;
    return false;
  }
  return true;
}

bool ServerRemove(const std::string& name, std::string* error) {
  std::string path;
  if (!DatabasePath(name, &path, error)) {
    return false;
  }
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    *error = "server '" + name + "' does not exist";
    return false;
  }
  // Only a server's database goes: a file put there by mistake may be
  // something its owner still needs.
  {
    Store store;
    std::string reportedName;
    if (!StoreOpen(path, false, &store, nullptr) || !ServerReportedName(&store, &reportedName)) {
      *error = path + " is not a server database; left alone";
      return false;
    }
  }
  if (!fs::remove(path, ec)) {
    *error =
        ec ? "cannot remove " + path + ": " + ec.message() : "server '" + name + "' does not exist";
    return false;
  }
  fs::remove(path + "-wal", ec);
  fs::remove(path + "-shm", ec);
  return true;
}

bool ServerOpen(const char* name, Store* store, std::string* error) {
  std::string path;
  if (!EnvServerDatabasePath(name, &path)) {
    if (error != nullptr) {
      *error = "not a server name";
    }
    return false;
  }
  return StoreOpen(path, false, store, error);
}

bool ServerReportedName(Store* store, std::string* name) {
  sqlite3_stmt* select = StoreStatement(store, "SELECT value FROM server WHERE key = 'name'");
  StatementScope scope(select);
  if (select == nullptr || sqlite3_step(select) != SQLITE_ROW) {
    return false;
  }
  name->assign(reinterpret_cast<const char*>(sqlite3_column_text(select, 0)),
               static_cast<size_t>(sqlite3_column_bytes(select, 0)));
  return true;
}
