// The delegations table: one row per delegation, keyed by an entry ID that
// is never given out twice.
#ifndef EMULATOR_DELEGATION_ROWS_H_
#define EMULATOR_DELEGATION_ROWS_H_

#include <stdint.h>

#include <functional>
#include <string>

#include "store.h"

struct DelegationRow {
  uint32_t id = 0;
  uint32_t type = 0;
  uint32_t masks[4] = {};
  std::string delegator;
  std::string delegate;
  // Empty, or the record's reserved bytes when any of them is non-zero.
  std::string reserved;
};

// Adds a row under a fresh entry ID (row.id is ignored) and gives the ID.
bool rowsInsert(Store* store, const DelegationRow& row, uint32_t* id);

enum class DeleteOutcome { kDeleted, kMissing, kFailed };
DeleteOutcome rowsDelete(Store* store, uint32_t id);

// How many rows rowsForEach would visit: a hint for reserving room.
bool rowsCount(Store* store, const char* delegate, uint64_t* count);

// Visits the rows in ascending entry ID: all of them when delegate is null,
// else those whose delegate equals it ignoring ASCII case. The row passed
// is reused between calls.
bool rowsForEach(Store* store, const char* delegate,
                 const std::function<void(const DelegationRow&)>& visit);

#endif  // EMULATOR_DELEGATION_ROWS_H_
