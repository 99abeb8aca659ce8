// Owned strings: heap copies that may be null.
#ifndef TELVPROGRAM_OWNED_STRING_H_
#define TELVPROGRAM_OWNED_STRING_H_

// Frees *slot and stores a copy of value (or null when value is null, or
// when no memory could be had) in its place.
void replaceOwnedString(char** slot, const char* value);

// Frees *slot and sets it to null.
void freeOwnedString(char** slot);

#endif  // TELVPROGRAM_OWNED_STRING_H_
