// Sorting a delegate list with the caller's comparison.
#ifndef EMULATOR_LIST_SORT_H_
#define EMULATOR_LIST_SORT_H_

#include "record_allocator.h"
#include "telvwin32.h"

// Sorts ascending by compare (negative: first argument goes first); records
// comparing equal keep their order. The records stay where they are while
// compare runs, and a compare that is not a consistent order scrambles the
// result but never reaches outside the list.
void sortRecords(RecordVector* records, TelvCompareFn compare);

#endif  // EMULATOR_LIST_SORT_H_
