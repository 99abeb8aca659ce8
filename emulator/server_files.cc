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

bool databasePath(const std::string& name, std::string* path, std::string* error) {
  if (!envServerDatabasePath(name.c_str(), path)) {
    *error = "'" + name + "' cannot be a server name";
    return false;
  }
  return true;
}

bool writeSchema(Store* store, const std::string& name, std::string* error) {
  if (!storeExec(store, "PRAGMA journal_mode=WAL") || !storeBeginWrite(store)) {
    *error = storeError(store);
    return false;
  }
  if (!storeExec(store, kSchema) || !storeExec(store, kDelegateIndexSql)) {
    *error = storeError(store);
    storeRollback(store);
    return false;
  }
  sqlite3_stmt* insert =
      storeStatement(store, "INSERT INTO server (key, value) VALUES ('name', ?)");
  StatementScope scope(insert);
  if (insert == nullptr || storeBindText(insert, 1, name) != SQLITE_OK ||
      sqlite3_step(insert) != SQLITE_DONE || !storeCommit(store)) {
    *error = storeError(store);
    storeRollback(store);
    return false;
  }
  return true;
}

}  // namespace

bool serverCreate(const std::string& name, std::string* error) {
  std::string path;
  if (!databasePath(name, &path, error)) {
    return false;
  }
  std::error_code ec;
  fs::create_directories(envServerDir(), ec);
  if (ec) {
    *error = "cannot create " + envServerDir() + ": " + ec.message();
    return false;
  }
  if (fs::exists(path, ec)) {
    *error = "server '" + name + "' already exists";
    return false;
  }
  Store store;
  if (!storeOpen(path, true, &store, error)) {
    return false;
  }
  // A second telvemu racing us finds the tables made and fails here.
  if (!writeSchema(&store, name, error)) {
    *error = "cannot create server '" + name + "': " + *error;
    return false;
  }
  return true;
}

bool serverRemove(const std::string& name, std::string* error) {
  std::string path;
  if (!databasePath(name, &path, error)) {
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
    if (!storeOpen(path, false, &store, nullptr) || !serverReportedName(&store, &reportedName)) {
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

bool serverOpen(const char* name, Store* store, std::string* error) {
  std::string path;
  if (!envServerDatabasePath(name, &path)) {
    if (error != nullptr) {
      *error = "not a server name";
    }
    return false;
  }
  return storeOpen(path, false, store, error);
}

bool serverReportedName(Store* store, std::string* name) {
  sqlite3_stmt* select = storeStatement(store, "SELECT value FROM server WHERE key = 'name'");
  StatementScope scope(select);
  if (select == nullptr || sqlite3_step(select) != SQLITE_ROW) {
    return false;
  }
  name->assign(reinterpret_cast<const char*>(sqlite3_column_text(select, 0)),
               static_cast<size_t>(sqlite3_column_bytes(select, 0)));
  return true;
}
