// The error codes the emulated client library raises by itself, and the
// text TelvStringTelvErr gives for a code. Codes a test wants beyond these
// come from faults set with telvemu; their texts from the servers the process
// opened, each of which registers its own (see text_table.h).
#ifndef EMULATOR_ERROR_TEXTS_H_
#define EMULATOR_ERROR_TEXTS_H_

#include <stdint.h>

#include <string>

// No database for the name, or it cannot be opened.
constexpr uint32_t kErrUnknownServer = 0x2711;
// A server handle that is 0, closed or never given out.
constexpr uint32_t kErrInvalidHandle = 0x2712;
// A list handle that is 0, closed or never given out.
constexpr uint32_t kErrInvalidListHandle = 0x2713;
// The list has no further element.
constexpr uint32_t kErrEndOfList = 0x2714;
// No delegation has the entry ID.
constexpr uint32_t kErrNoSuchDelegate = 0x2715;
// The server's database failed; its message is kept for the text.
constexpr uint32_t kErrDatabase = 0x2716;
// A required pointer was null.
constexpr uint32_t kErrBadArgument = 0x2717;
// A record to save carries an entry ID: only the server gives those out.
constexpr uint32_t kErrEntryIdGiven = 0x2718;
// A record to save holds bytes after the end of a user ID, which a caller
// that builds its records whole never leaves there.
constexpr uint32_t kErrUserIdTrailingBytes = 0x2719;
// Every entry ID a record can hold has been given out.
constexpr uint32_t kErrEntryIdsExhausted = 0x271A;

// The built-in text of a code, or null when the code is not built in.
const char* builtInErrorText(uint32_t code);

// The process remembers the texts registered on every server it opened, and
// the message of the last database failure, since TelvStringTelvErr names
// no server to look them up on.
void registryRemember(uint32_t code, const std::string& text);

// Keeps the message of the last database failure, for kErrDatabase's text.
void registryRememberDatabaseError(const std::string& message);

// The text TelvStringTelvErr gives: registered, built in, or a generic one.
std::string registryErrorText(uint32_t code);

#endif  // EMULATOR_ERROR_TEXTS_H_
