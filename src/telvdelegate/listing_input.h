// Reading a listing file's delegations, for a load and for a comparison
// alike: whatever the file is checked against, its lines are taken by the
// same rules.
//
// The first line must be the header; a file without one is refused whole.
// Every later line is a delegation, a comment or blank, or malformed: a
// bad line is reported with its line number and skipped. The line number
// counts every line read, the header, comments and filtered lines
// included, so that it points into the file.
//
// A listing is text: a NUL byte has no place in it. A line that holds one
// is malformed rather than read up to the NUL, which would pass a line
// starting with one for blank, or yield a user ID cut short.
//
// A line longer than the line buffer holds more than the reader keeps: a
// scan of the part kept could yield a user ID cut short at the buffer's
// end. No listing the tool writes comes near that length, so such a line
// is damaged or made by hand, and it is malformed, its report quoting only
// its beginning. A line of blanks only, or a comment, is ignored whatever
// its length: the reader looks at the whole line for that, so that enough
// blanks before a delegation do not hide it.
//
// A read that fails ends the reading with a report at the line it was
// meant to give, not as if the file had ended there.
#ifndef TELVDELEGATE_LISTING_INPUT_H_
#define TELVDELEGATE_LISTING_INPUT_H_

#include <stdint.h>

#include <cstdio>
#include <functional>

#include "listing_file.h"

class Progress;

// What reading a listing came to.
struct ListingReading {
  uint64_t lines = 0;          // lines read, the header included
  bool headerRefused = false;  // reported: nothing after the first line was read
  bool malformed = false;      // at least one line was reported as malformed
  int readError = 0;           // the system's error number of a failed read, reported
};

// Reads the listing from input, reporting a refused header, malformed lines
// and a failed read, and hands each delegation line whose delegator passes
// the patterns (as the file has it, before any cut to a record's width) to
// take, in the file's order. An empty input holds no line, not even the
// header: the listing of nothing. Each line read advances the progress,
// between the takes.
ListingReading readListing(std::FILE* input, const char* const* patterns,
                           const std::function<void(const ListingLine&)>& take, Progress* progress);

#endif  // TELVDELEGATE_LISTING_INPUT_H_
