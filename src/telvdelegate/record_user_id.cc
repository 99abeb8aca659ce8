#include "record_user_id.h"

#include <cstring>

RecordUserId readRecordUserId(const char* field) {
  RecordUserId id;
  std::size_t length = 0;
  while (length < kRecordUserIdLength && field[length] != '\0') {
    ++length;
  }
  std::memcpy(id.text, field, length);
  id.text[length] = '\0';
  return id;
}
