#include "record_codec.h"

#include <string.h>

#include <algorithm>

namespace {

void copyToField(const std::string& text, char (&field)[kUserIdFieldSize]) {
  memcpy(field, text.data(), std::min(text.size(), kUserIdFieldSize));
}

}  // namespace

std::string userIdFromField(const char (&field)[kUserIdFieldSize]) {
  const void* nul = memchr(field, '\0', kUserIdFieldSize);
  size_t size = nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - field)
                               : kUserIdFieldSize;
  return std::string(field, size);
}

DelegationRow rowFromRecord(const TelvDelegateRecord& record) {
  DelegationRow row;
  row.type = record.typeCode;
  for (int i = 0; i < 4; ++i) {
    row.masks[i] = record.masks[i];
  }
  row.delegator = userIdFromField(record.delegator);
  row.delegate = userIdFromField(record.delegate);
  const uint8_t* begin = record.reserved;
  const uint8_t* end = begin + sizeof(record.reserved);
  // Nearly every record leaves these bytes zero; storing nothing then keeps
  // large servers small.
  if (std::any_of(begin, end, [](uint8_t byte) { return byte != 0; })) {
    row.reserved.assign(reinterpret_cast<const char*>(begin), sizeof(record.reserved));
  }
  return row;
}

void recordFromRow(const DelegationRow& row, TelvDelegateRecord* record) {
  memset(record, 0, sizeof(*record));
  record->entryId = row.id;
  record->typeCode = row.type;
  for (int i = 0; i < 4; ++i) {
    record->masks[i] = row.masks[i];
  }
  copyToField(row.delegator, record->delegator);
  copyToField(row.delegate, record->delegate);
  memcpy(record->reserved, row.reserved.data(),
         std::min(row.reserved.size(), sizeof(record->reserved)));
}
