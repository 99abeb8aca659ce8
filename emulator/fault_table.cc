#include "fault_table.h"

#include <stdio.h>

namespace {

constexpr const char* kKindNames[] = {"connect", "release", "info",   "name",
                                      "list",    "sort",    "delete", "save"};

bool kindIsSingle(FaultKind kind) {
  return kind != FaultKind::kList && kind != FaultKind::kDelete && kind != FaultKind::kSave;
}

std::string columnText(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  return text == nullptr
             ? std::string()
             : std::string(reinterpret_cast<const char*>(text),
                           static_cast<size_t>(sqlite3_column_bytes(statement, column)));
}

void readFault(sqlite3_stmt* statement, Fault* fault) {
  faultKindFromName(columnText(statement, 0), &fault->kind);
  fault->subject = columnText(statement, 1);
  fault->subject2 = columnText(statement, 2);
  fault->code = static_cast<uint32_t>(sqlite3_column_int64(statement, 3));
  fault->remaining =
      sqlite3_column_type(statement, 4) == SQLITE_NULL ? -1 : sqlite3_column_int64(statement, 4);
}

bool execBound(Store* store, const char* sql, const std::string& kind) {
  sqlite3_stmt* statement = storeStatement(store, sql);
  StatementScope scope(statement);
  return statement != nullptr && storeBindText(statement, 1, kind) == SQLITE_OK &&
         sqlite3_step(statement) == SQLITE_DONE;
}

// The statements that use up one failure of a counted fault, on the row
// execOnFault names by its kind and subjects.
constexpr const char* kTakeLastSql =
    "DELETE FROM faults WHERE kind = ? AND subject = ? AND subject2 = ?";
constexpr const char* kTakeOneSql =
    "UPDATE faults SET remaining = remaining - 1 WHERE kind = ? AND subject = ? AND subject2 = ?";

// Runs sql on the row of a fault read from the table: its own subjects name
// exactly that row, whichever kind it is.
bool execOnFault(Store* store, const char* sql, const Fault& fault) {
  sqlite3_stmt* statement = storeStatement(store, sql);
  StatementScope scope(statement);
  return statement != nullptr &&
         storeBindText(statement, 1, faultKindName(fault.kind)) == SQLITE_OK &&
         storeBindText(statement, 2, fault.subject) == SQLITE_OK &&
         storeBindText(statement, 3, fault.subject2) == SQLITE_OK &&
         sqlite3_step(statement) == SQLITE_DONE;
}

std::string codeText(uint32_t code) {
  char text[16];
  snprintf(text, sizeof(text), "0x%X", code);
  return text;
}

}  // namespace

const char* faultKindName(FaultKind kind) {
  return kKindNames[static_cast<int>(kind)];
}

bool faultKindFromName(const std::string& name, FaultKind* kind) {
  for (int i = 0; i < static_cast<int>(sizeof(kKindNames) / sizeof(kKindNames[0])); ++i) {
    if (name == kKindNames[i]) {
      *kind = static_cast<FaultKind>(i);
      return true;
    }
  }
  return false;
}

bool faultSet(Store* store, const Fault& fault) {
  std::string kind = faultKindName(fault.kind);
  if (!storeBeginWrite(store)) {
    return false;
  }
  if (kindIsSingle(fault.kind) && !execBound(store, "DELETE FROM faults WHERE kind = ?", kind)) {
    storeRollback(store);
    return false;
  }
  sqlite3_stmt* insert =
      storeStatement(store,
                     "INSERT OR REPLACE INTO faults (kind, subject, subject2, code, remaining) "
                     "VALUES (?, ?, ?, ?, ?)");
  bool stored = false;
  if (insert != nullptr) {
    StatementScope scope(insert);
    storeBindText(insert, 1, kind);
    storeBindText(insert, 2, fault.subject);
    storeBindText(insert, 3, fault.subject2);
    sqlite3_bind_int64(insert, 4, fault.code);
    if (fault.remaining >= 0) {
      sqlite3_bind_int64(insert, 5, fault.remaining);
    }
    stored = sqlite3_step(insert) == SQLITE_DONE;
  }
  if (!stored || !storeCommit(store)) {
    storeRollback(store);
    return false;
  }
  return true;
}

FaultLookup faultFind(Store* store, FaultKind kind, const std::string& subject,
                      const std::string& subject2, Fault* fault) {
  bool single = kindIsSingle(kind);
  sqlite3_stmt* select =
      single ? storeStatement(store,
                              "SELECT kind, subject, subject2, code, remaining FROM faults "
                              "WHERE kind = ?")
             : storeStatement(store,
                              "SELECT kind, subject, subject2, code, remaining FROM faults "
                              "WHERE kind = ? AND subject = ? AND subject2 = ?");
  StatementScope scope(select);
  if (select == nullptr) {
    return FaultLookup::kFailed;
  }
  storeBindText(select, 1, faultKindName(kind));
  if (!single) {
    storeBindText(select, 2, subject);
    storeBindText(select, 3, subject2);
  }
  int rc = sqlite3_step(select);
  if (rc == SQLITE_ROW) {
    readFault(select, fault);
    return FaultLookup::kFound;
  }
  return rc == SQLITE_DONE ? FaultLookup::kNone : FaultLookup::kFailed;
}

FaultLookup faultTake(Store* store, FaultKind kind, const std::string& subject,
                      const std::string& subject2, Fault* fault) {
  FaultLookup lookup = faultFind(store, kind, subject, subject2, fault);
  if (lookup != FaultLookup::kFound || fault->remaining < 0) {
    return lookup;
  }
  // The last failure removes the fault, so "faults" no longer lists it.
  const char* sql = fault->remaining <= 1 ? kTakeLastSql : kTakeOneSql;
  return execOnFault(store, sql, *fault) ? FaultLookup::kFound : FaultLookup::kFailed;
}

FaultLookup faultTakeConnect(Store* store, uint32_t* code) {
  if (!storeBeginWrite(store)) {
    return FaultLookup::kFailed;
  }
  Fault fault;
  FaultLookup lookup = faultTake(store, FaultKind::kConnect, "", "", &fault);
  if (lookup == FaultLookup::kFailed || !storeCommit(store)) {
    storeRollback(store);
    return FaultLookup::kFailed;
  }
  if (lookup == FaultLookup::kFound) {
    *code = fault.code;
  }
  return lookup;
}

bool faultClear(Store* store) {
  return storeExec(store, "DELETE FROM faults");
}

bool faultList(Store* store, std::vector<Fault>* faults) {
  sqlite3_stmt* select = storeStatement(
      store, "SELECT kind, subject, subject2, code, remaining FROM faults ORDER BY rowid");
  StatementScope scope(select);
  if (select == nullptr) {
    return false;
  }
  faults->clear();
  int rc;
  while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
    faults->emplace_back();
    readFault(select, &faults->back());
  }
  return rc == SQLITE_DONE;
}

std::string faultFormat(const Fault& fault) {
  std::string text = faultKindName(fault.kind);
  switch (fault.kind) {
    case FaultKind::kConnect:
      text += fault.remaining < 0 ? " all" : " " + std::to_string(fault.remaining);
      return text + " " + codeText(fault.code);
    case FaultKind::kName:
      return text + " " + fault.subject;
    case FaultKind::kList:
      text += " " + codeText(fault.code);
      return fault.subject.empty() ? text : text + " " + fault.subject;
    case FaultKind::kDelete:
      return text + " " + fault.subject + " " + codeText(fault.code);
    case FaultKind::kSave:
      text += " " + fault.subject + " " + fault.subject2 + " " + codeText(fault.code);
      return fault.remaining < 0 ? text : text + " " + std::to_string(fault.remaining);
    case FaultKind::kRelease:
    case FaultKind::kInfo:
    case FaultKind::kSort:
      break;
  }
  return text + " " + codeText(fault.code);
}
