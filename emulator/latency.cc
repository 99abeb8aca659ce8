#include "latency.h"

#include <chrono>
#include <string>
#include <thread>

#include "number_parse.h"

bool latencySet(Store* store, uint32_t milliseconds) {
  // No row at all is no latency, as on a server made before there was any.
  if (milliseconds == 0) {
    return storeExec(store, "DELETE FROM server WHERE key = 'latency'");
  }
  sqlite3_stmt* insert =
      storeStatement(store, "INSERT OR REPLACE INTO server (key, value) VALUES ('latency', ?)");
  StatementScope scope(insert);
  return insert != nullptr && storeBindText(insert, 1, std::to_string(milliseconds)) == SQLITE_OK &&
         sqlite3_step(insert) == SQLITE_DONE;
}

bool latencyGet(Store* store, uint32_t* milliseconds) {
  *milliseconds = 0;
  sqlite3_stmt* select = storeStatement(store, "SELECT value FROM server WHERE key = 'latency'");
  StatementScope scope(select);
  if (select == nullptr) {
    return false;
  }
  int rc = sqlite3_step(select);
  if (rc == SQLITE_ROW) {
    const unsigned char* text = sqlite3_column_text(select, 0);
    uint64_t value = 0;
    if (text != nullptr && parseDecimal(reinterpret_cast<const char*>(text), &value) &&
        value <= kMaxLatencyMs) {
      *milliseconds = static_cast<uint32_t>(value);
    }
    return true;
  }
  return rc == SQLITE_DONE;
}

void latencyWait(uint32_t milliseconds) {
  if (milliseconds > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}
