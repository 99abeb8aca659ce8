#include "delegation_rows.h"

namespace {

constexpr const char* kSelectAll =
    "SELECT id, type, mask1, mask2, mask3, mask4, delegator, delegate, reserved "
    "FROM delegations ORDER BY id";
constexpr const char* kSelectDelegate =
    "SELECT id, type, mask1, mask2, mask3, mask4, delegator, delegate, reserved "
    "FROM delegations WHERE delegate = ? COLLATE NOCASE ORDER BY id";

void assignColumn(sqlite3_stmt* statement, int column, std::string* value) {
  const void* bytes = sqlite3_column_type(statement, column) == SQLITE_BLOB
                          ? sqlite3_column_blob(statement, column)
                          : sqlite3_column_text(statement, column);
  int size = sqlite3_column_bytes(statement, column);
  if (bytes == nullptr || size <= 0) {
    value->clear();
  } else {
    value->assign(static_cast<const char*>(bytes), static_cast<size_t>(size));
  }
}

uint32_t column32(sqlite3_stmt* statement, int column) {
  return static_cast<uint32_t>(sqlite3_column_int64(statement, column));
}

}  // namespace

bool rowsInsert(Store* store, const DelegationRow& row, uint32_t* id) {
  sqlite3_stmt* insert = storeStatement(
      store,
      "INSERT INTO delegations (type, mask1, mask2, mask3, mask4, delegator, delegate, reserved) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  StatementScope scope(insert);
  if (insert == nullptr) {
    return false;
  }
  sqlite3_bind_int64(insert, 1, row.type);
  for (int i = 0; i < 4; ++i) {
    sqlite3_bind_int64(insert, 2 + i, row.masks[i]);
  }
  storeBindText(insert, 6, row.delegator);
  storeBindText(insert, 7, row.delegate);
  if (!row.reserved.empty()) {
    sqlite3_bind_blob(insert, 8, row.reserved.data(), static_cast<int>(row.reserved.size()),
                      SQLITE_TRANSIENT);
  }
  if (sqlite3_step(insert) != SQLITE_DONE) {
    return false;
  }
  if (id != nullptr) {
    *id = static_cast<uint32_t>(sqlite3_last_insert_rowid(store->db));
  }
  return true;
}

DeleteOutcome rowsDelete(Store* store, uint32_t id) {
  sqlite3_stmt* erase = storeStatement(store, "DELETE FROM delegations WHERE id = ?");
  StatementScope scope(erase);
  if (erase == nullptr) {
    return DeleteOutcome::kFailed;
  }
  sqlite3_bind_int64(erase, 1, id);
  if (sqlite3_step(erase) != SQLITE_DONE) {
    return DeleteOutcome::kFailed;
  }
  return sqlite3_changes(store->db) > 0 ? DeleteOutcome::kDeleted : DeleteOutcome::kMissing;
}

bool rowsCount(Store* store, const char* delegate, uint64_t* count) {
  sqlite3_stmt* select =
      delegate == nullptr
          ? storeStatement(store, "SELECT count(*) FROM delegations")
          : storeStatement(store,
                           "SELECT count(*) FROM delegations WHERE delegate = ? COLLATE NOCASE");
  StatementScope scope(select);
  if (select == nullptr) {
    return false;
  }
  if (delegate != nullptr) {
    sqlite3_bind_text(select, 1, delegate, -1, SQLITE_TRANSIENT);
  }
  if (sqlite3_step(select) != SQLITE_ROW) {
    return false;
  }
  *count = static_cast<uint64_t>(sqlite3_column_int64(select, 0));
  return true;
}

bool rowsForEach(Store* store, const char* delegate,
                 const std::function<void(const DelegationRow&)>& visit) {
  // The NOCASE index holds the rowid after the key, so equal delegates come
  // out in entry-ID order without a sort.
  sqlite3_stmt* select = storeStatement(store, delegate == nullptr ? kSelectAll : kSelectDelegate);
  StatementScope scope(select);
  if (select == nullptr) {
    return false;
  }
  if (delegate != nullptr) {
    sqlite3_bind_text(select, 1, delegate, -1, SQLITE_TRANSIENT);
  }
  DelegationRow row;
  int rc;
  while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
    row.id = column32(select, 0);
    row.type = column32(select, 1);
    for (int i = 0; i < 4; ++i) {
      row.masks[i] = column32(select, 2 + i);
    }
    assignColumn(select, 6, &row.delegator);
    assignColumn(select, 7, &row.delegate);
    assignColumn(select, 8, &row.reserved);
    visit(row);
  }
  return rc == SQLITE_DONE;
}
