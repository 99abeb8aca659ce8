// Comparing and matching user IDs.
//
// User IDs are compared without regard to case everywhere in the tool, and
// user IDs typed on the command line may be patterns with "*" (any run of
// characters, none included) and "?" (exactly one character). Only the
// letters A to Z fold, to a to z; every other byte, 0x80 and up included,
// is compared as it is, whatever the locale.
#ifndef TELVDELEGATE_USER_ID_MATCH_H_
#define TELVDELEGATE_USER_ID_MATCH_H_

#include "telvwin32.h"  // TELVAPI_CALL

// -1, 0 or 1 as a sorts before, equals or sorts after b, ignoring case and
// taking bytes as unsigned; a prefix sorts before the longer string. Since
// letters fold to lower case, "_" sorts before every letter.
int compareNoCase(const char* a, const char* b);

// True when the name matches the pattern. A null name or pattern matches
// nothing, not even "*". There is no escape: "*" and "?" always act as
// wildcards.
bool matchPattern(const char* name, const char* pattern);

// Orders two delegate records (the library's list elements) by delegator,
// then by delegate, both ignoring case: the comparison the library's sort
// takes, in the library's calling convention. Reads at most 21 characters
// of each user-ID field.
int TELVAPI_CALL compareDelegations(const void* x, const void* y);

// True when the user ID holds a "*" or a "?" anywhere.
bool hasWildcards(const char* userId);

// True when the name matches at least one of the patterns of a
// null-terminated list; patterns are tried in order.
bool matchesAnyPattern(const char* name, const char* const* patterns);

// The delegator filter of an operation: true when the pattern list is null
// or empty, or when the name matches one of its patterns.
bool passesPatternFilter(const char* name, const char* const* patterns);

#endif  // TELVDELEGATE_USER_ID_MATCH_H_
