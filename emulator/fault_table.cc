#include "fault_table.h"

#include <stdio.h>

namespace {

constexpr const char* kKindNames[] = {"connect", "release", "info",   "name",
                                      "list",    "sort",    "delete", "save"};

bool KindIsSingle(FaultKind kind) {
  return kind != FaultKind::kList && kind != FaultKind::kDelete && kind != FaultKind::kSave;
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  return text == nullptr
             ? std::string()
             : std::string(reinterpret_cast<const char*>(text),
                           static_cast<size_t>(sqlite3_column_bytes(statement, column)));
}

void ReadFault(sqlite3_stmt* statement, Fault* fault) {
  FaultKindFromName(ColumnText(statement, 0), &fault->kind);
  fault->subject = ColumnText(statement, 1);
  fault->subject2 = ColumnText(statement, 2);
  fault->code = static_cast<uint32_t>(sqlite3_column_int64(statement, 3));
  fault->remaining =
      sqlite3_column_type(statement, 4) == SQLITE_NULL ? -1 : sqlite3_column_int64(statement, 4);
}

bool ExecBound(Store* store, const char* sql, const std::string& kind) {
  sqlite3_stmt* statement = StoreStatement(store, sql);
  StatementScope scope(statement);
  return statement != nullptr && StoreBindText(statement, 1, kind) == SQLITE_OK &&
         sqlite3_step(statement) == SQLITE_DONE;
}

// The statements that use up one failure of a counted fault, on the row
// ExecOnFault names by its kind and subjects.
constexpr const char* kTakeLastSql =
    "DELETE FROM faults WHERE kind = ? AND subject = ? AND subject2 = ?";
constexpr const char* kTakeOneSql =
    "UPDATE faults SET remaining = remaining - 1 WHERE kind = ? AND subject = ? AND subject2 = ?";

// Runs sql on the row of a fault read from the table: its own subjects name
// exactly that row, whichever kind it is.
bool ExecOnFault(Store* store, const char* sql, const Fault& fault) {
  sqlite3_stmt* statement = StoreStatement(store, sql);
  StatementScope scope(statement);
  return statement != nullptr &&
         StoreBindText(statement, 1, FaultKindName(fault.kind)) == SQLITE_OK &&
         StoreBindText(statement, 2, fault.subject) == SQLITE_OK &&
         StoreBindText(statement, 3, fault.subject2) == SQLITE_OK &&
         sqlite3_step(statement) == SQLITE_DONE;
}

std::string CodeText(uint32_t code) {
  char text[16];
  snprintf(text, sizeof(text), "0x%X", code);
  return text;
}

}  // namespace

const char* FaultKindName(FaultKind kind) {
  return kKindNames[static_cast<int>(kind)];
}

bool FaultKindFromName(const std::string& name, FaultKind* kind) {
  for (int i = 0; i < static_cast<int>(sizeof(kKindNames) / sizeof(kKindNames[0])); ++i) {
    if (name == kKindNames[i]) {
      *kind = static_cast<FaultKind>(i);
      return true;
    }
  }
  return false;
}

bool FaultSet(Store* store, const Fault& fault) {
  std::string kind = FaultKindName(fault.kind);
  if (!StoreBeginWrite(store)) {
    return false;
  }
  if (KindIsSingle(fault.kind) && !ExecBound(store, "DELETE FROM faults WHERE kind = ?", kind)) {
    StoreRollback(store);
    return false;
  }
  sqlite3_stmt* insert =
      StoreStatement(store,
                     "INSERT OR REPLACE INTO faults (kind, subject, subject2, code, remaining) "
                     "VALUES (?, ?, ?, ?, ?)");
  bool stored = false;
  if (insert != nullptr) {
    StatementScope scope(insert);
    StoreBindText(insert, 1, kind);
    StoreBindText(insert, 2, fault.subject);
    StoreBindText(insert, 3, fault.subject2);
    sqlite3_bind_int64(insert, 4, fault.code);
    if (fault.remaining >= 0) {
      sqlite3_bind_int64(insert, 5, fault.remaining);
    }
    stored = sqlite3_step(insert) == SQLITE_DONE;
  }
  if (!stored || !StoreCommit(store)) {
    StoreRollback(store);
    return false;
  }
  return true;
}

FaultLookup FaultFind(Store* store, FaultKind kind, const std::string& subject,
                      const std::string& subject2, Fault* fault) {
  bool single = KindIsSingle(kind);
  sqlite3_stmt* select =
      single ? StoreStatement(store,
                              "SELECT kind, subject, subject2, code, remaining FROM faults "
                              "WHERE kind = ?")
             : StoreStatement(store,
                              "SELECT kind, subject, subject2, code, remaining FROM faults "
                              "WHERE kind = ? AND subject = ? AND subject2 = ?");
  StatementScope scope(select);
  if (select == nullptr) {
    return FaultLookup::kFailed;
  }
  StoreBindText(select, 1, FaultKindName(kind));
  if (!single) {
    StoreBindText(select, 2, subject);
    StoreBindText(select, 3, subject2);
  }
  int rc = sqlite3_step(select);
  if (rc == SQLITE_ROW) {
    ReadFault(select, fault);
    return FaultLookup::kFound;
  }
  return rc == SQLITE_DONE ? FaultLookup::kNone : FaultLookup::kFailed;
}

FaultLookup FaultTake(Store* store, FaultKind kind, const std::string& subject,
                      const std::string& subject2, Fault* fault) {
  FaultLookup lookup = FaultFind(store, kind, subject, subject2, fault);
  if (lookup != FaultLookup::kFound || fault->remaining < 0) {
    return lookup;
  }
  // The last failure removes the fault, so "faults" no longer lists it.
  const char* sql = fault->remaining <= 1 ? kTakeLastSql : kTakeOneSql;
  return ExecOnFault(store, sql, *fault) ? FaultLookup::kFound : FaultLookup::kFailed;
}

FaultLookup FaultTakeConnect(Store* store, uint32_t* code) {
  if (!StoreBeginWrite(store)) {
    return FaultLookup::kFailed;
  }
  Fault fault;
  FaultLookup lookup = FaultTake(store, FaultKind::kConnect, "", "", &fault);
  if (lookup == FaultLookup::kFailed || !StoreCommit(store)) {
    StoreRollback(store);
    return FaultLookup::kFailed;
  }
  if (lookup == FaultLookup::kFound) {
    *code = fault.code;
  }
  return lookup;
}

bool FaultClear(Store* store) {
  return StoreExec(store, "DELETE FROM faults");
}

bool FaultList(Store* store, std::vector<Fault>* faults) {
  sqlite3_stmt* select = StoreStatement(
      store, "SELECT kind, subject, subject2, code, remaining FROM faults ORDER BY rowid");
  StatementScope scope(select);
  if (select == nullptr) {
    return false;
  }
  faults->clear();
  int rc;
  while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
    faults->emplace_back();
    ReadFault(select, &faults->back());
  }
  return rc == SQLITE_DONE;
}

std::string FaultFormat(const Fault& fault) {
  std::string text = FaultKindName(fault.kind);
  switch (fault.kind) {
    case FaultKind::kConnect:
      text += fault.remaining < 0 ? " all" : " " + std::to_string(fault.remaining);
      return text + " " + CodeText(fault.code);
    case FaultKind::kName:
      return text + " " + fault.subject;
    case FaultKind::kList:
      text += " " + CodeText(fault.code);
      return fault.subject.empty() ? text : text + " " + fault.subject;
    case FaultKind::kDelete:
      return text + " " + fault.subject + " " + CodeText(fault.code);
    case FaultKind::kSave:
      text += " " + fault.subject + " " + fault.subject2 + " " + CodeText(fault.code);
      return fault.remaining < 0 ? text : text + " " + std::to_string(fault.remaining);
    case FaultKind::kRelease:
    case FaultKind::kInfo:
    case FaultKind::kSort:
      break;
  }
  return text + " " + CodeText(fault.code);
}
