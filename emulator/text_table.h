// The texts table of a server's database: texts registered for error codes
// with telvemu, which the client library loads whenever it opens the server.
#ifndef EMULATOR_TEXT_TABLE_H_
#define EMULATOR_TEXT_TABLE_H_

#include <stdint.h>

#include <string>
#include <utility>
#include <vector>

#include "store.h"

// Registers text for code, replacing an earlier one.
bool textSet(Store* store, uint32_t code, const std::string& text);

// Every registered code with its text, by ascending code.
bool textList(Store* store, std::vector<std::pair<uint32_t, std::string>>* texts);

#endif  // EMULATOR_TEXT_TABLE_H_
