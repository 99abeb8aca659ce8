// Reading the user IDs of a delegate record that the library handed us.
//
// A user-ID field is 22 bytes and ought to end in a NUL within them, but a
// record is the library's data, not ours: a field without its NUL must
// never make us read on into the next field or past the record's end.
#ifndef TELVDELEGATE_RECORD_USER_ID_H_
#define TELVDELEGATE_RECORD_USER_ID_H_

#include <cstddef>

// The most characters a record holds of a user ID.
const std::size_t kRecordUserIdLength = 21;

// A user ID as read from a record, always NUL-terminated.
struct RecordUserId {
  char text[kRecordUserIdLength + 1];
};

// Reads at most 21 characters of a record's 22-byte user-ID field.
RecordUserId readRecordUserId(const char* field);

#endif  // TELVDELEGATE_RECORD_USER_ID_H_
