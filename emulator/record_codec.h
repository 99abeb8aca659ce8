// Between the library's fixed-size delegate records and the table's rows.
#ifndef EMULATOR_RECORD_CODEC_H_
#define EMULATOR_RECORD_CODEC_H_

#include <string>

#include "delegation_rows.h"
#include "telvwin32.h"

constexpr size_t kUserIdFieldSize = sizeof(TelvDelegateRecord::delegator);

// A user-ID field's bytes up to its first NUL, or all of them without one.
std::string userIdFromField(const char (&field)[kUserIdFieldSize]);

// The row a save stores; its id is left 0.
DelegationRow rowFromRecord(const TelvDelegateRecord& record);

// Fills a zeroed record from a row. A user ID of exactly the field's size
// fills it with no NUL, as the real server can; a longer one is cut.
void recordFromRow(const DelegationRow& row, TelvDelegateRecord* record);

#endif  // EMULATOR_RECORD_CODEC_H_
