// Strict parsing of the numbers telvemu and the environment take: the whole
// text must be the number, with no blanks or signs beyond those allowed.
#ifndef EMULATOR_NUMBER_PARSE_H_
#define EMULATOR_NUMBER_PARSE_H_

#include <stdint.h>

#include <string>

// Decimal digits only, without overflow.
bool parseDecimal(const std::string& text, uint64_t* value);

// An error code: decimal, possibly negative and then taken modulo 2^32, or
// 0x followed by hexadecimal digits. Magnitudes above 0xFFFFFFFF fail.
bool parseCode(const std::string& text, uint32_t* value);

// An unsigned 32-bit number, decimal or 0x hexadecimal.
bool parseUnsigned32(const std::string& text, uint32_t* value);

// One to eight hexadecimal digits, with or without 0x.
bool parseHex32(const std::string& text, uint32_t* value);

#endif  // EMULATOR_NUMBER_PARSE_H_
