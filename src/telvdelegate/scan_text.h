// The pieces of a formatted scan ("%x", "%d", "%80s") that the text forms
// read with, written out so that they give the same results on every
// platform: a scan of "%lx" into a 64-bit long would not wrap at 32 bits,
// and the C library's character classes depend on the locale.
#ifndef TELVDELEGATE_SCAN_TEXT_H_
#define TELVDELEGATE_SCAN_TEXT_H_

#include <stdint.h>

#include <cstddef>

// Blank, tab, line feed, vertical tab, form feed or carriage return.
bool isWhiteSpace(char c);

const char* skipWhiteSpace(const char* text);

// "%x": after white space, an optional sign, an optional 0x or 0X, and
// hexadecimal digits in either case. A minus negates modulo 2^32, and of
// more than eight digits the last eight count. A "0x" with no digit after
// it reads as 0, as the C library's scan takes it. Returns the text after
// the number, or null when there is none.
const char* scanHexNumber(const char* text, uint32_t* value);

// "%d": after white space, an optional sign and decimal digits. A number
// beyond the range of int32_t reads as its nearest end, never as a value
// it wraps to. Returns the text after the number, or null.
const char* scanDecimalNumber(const char* text, int32_t* value);

// "%Ns": after white space, a word of at most `width` characters other
// than white space, copied to `word` with a NUL (room for width + 1). A
// longer word is not cut short: the rest of it is what the next scan sees.
// Returns the text after the word, or null when only white space is left.
const char* scanWord(const char* text, std::size_t width, char* word);

#endif  // TELVDELEGATE_SCAN_TEXT_H_
