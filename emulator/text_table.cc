#include "text_table.h"

bool textSet(Store* store, uint32_t code, const std::string& text) {
  sqlite3_stmt* insert =
      storeStatement(store, "INSERT OR REPLACE INTO texts (code, text) VALUES (?, ?)");
  StatementScope scope(insert);
  if (insert == nullptr) {
    return false;
  }
  sqlite3_bind_int64(insert, 1, code);
  storeBindText(insert, 2, text);
  return sqlite3_step(insert) == SQLITE_DONE;
}

bool textList(Store* store, std::vector<std::pair<uint32_t, std::string>>* texts) {
  sqlite3_stmt* select = storeStatement(store, "SELECT code, text FROM texts ORDER BY code");
  StatementScope scope(select);
  if (select == nullptr) {
    return false;
  }
  texts->clear();
  int rc;
  while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
    const unsigned char* text = sqlite3_column_text(select, 1);
    std::string value;
    if (text != nullptr) {
      value.assign(reinterpret_cast<const char*>(text),
                   static_cast<size_t>(sqlite3_column_bytes(select, 1)));
    }
    texts->emplace_back(static_cast<uint32_t>(sqlite3_column_int64(select, 0)), value);
  }
  return rc == SQLITE_DONE;
}
