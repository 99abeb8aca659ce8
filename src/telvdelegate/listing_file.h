// The listing file, format 1: what a long listing writes and a load reads.
//
//   FORMAT 1
//   0002 0FFFFFFF 00000000 00000000 00000000 alice bob
//   0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice carol *
//
// A header line, then per delegation its attribute text, the delegator,
// one blank and the delegate, and " *" when the pair repeats the line
// before. A listing of no delegations writes nothing, not even the header.
// Lines holding only blanks, or whose first character after blanks is "#"
// or ";", are ignored by the reader.
#ifndef TELVDELEGATE_LISTING_FILE_H_
#define TELVDELEGATE_LISTING_FILE_H_

#include <cstddef>
#include <cstdio>

#include "attribute_text.h"

// The only format there is; the header line is "FORMAT %d\n" with it.
const int kListingFormat = 1;

// The longest user ID a listing line yields; a longer word runs over into
// the next field.
const std::size_t kListingWordLength = 80;

// The most characters the reader keeps of a line; the rest of a longer
// line is dropped.
const int kListingLineLength = 2049;

// One delegation line as scanned: the user IDs as they stand in the file.
struct ListingLine {
  DelegateAttributes attributes;
  char delegator[kListingWordLength + 1];
  char delegate[kListingWordLength + 1];
};

// Writes the header line.
void writeListingHeader(std::FILE* output);

// Writes one delegation line, with the repeat mark when `repeat` is set.
// User IDs are written as they are: one that holds white space does not
// read back as the same user ID.
void writeListingLine(std::FILE* output, const DelegateAttributes& attributes,
                      const char* delegator, const char* delegate, bool repeat);

// True when the line scans as "FORMAT %d" giving 1: the word in capitals
// first on the line, white space or none, a decimal number, possibly
// signed or with leading zeros, and anything after it.
bool isListingHeader(const char* line);

// True when the line, after leading blanks (spaces, not tabs), is empty or
// begins with "#" or ";". The line holds `length` characters: a NUL byte
// among them is a character, so a line that only reads as empty up to a
// NUL is not blank.
bool isBlankOrComment(const char* line, std::size_t length);

// Scans the line as "%x %x %x %x %x %80s %80s"; true when all seven
// fields were found. A word longer than 80 characters gives its first 80
// to the field and the rest to the next one. What follows the delegate,
// such as the repeat mark, is not looked at.
bool scanListingLine(const char* line, ListingLine* scanned);

#endif  // TELVDELEGATE_LISTING_FILE_H_
