#include "user_id_match.h"

#include <cstddef>
#include <cstring>

#include "record_user_id.h"
#include "telvwin32.h"

namespace {

unsigned char foldCase(char c) {
  unsigned char byte = static_cast<unsigned char>(c);
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// compareNoCase over at most `limit` characters of each string, so that a
// record's user-ID field is read no further than the record holds it.
int compareFolded(const char* a, const char* b, std::size_t limit) {
  for (std::size_t i = 0; i < limit; ++i) {
    unsigned char x = foldCase(a[i]);
    unsigned char y = foldCase(b[i]);
    if (x != y) {
      return x < y ? -1 : 1;
    }
    if (x == '\0') {
      return 0;
    }
  }
  return 0;
}

}  // namespace

int compareNoCase(const char* a, const char* b) {
  return compareFolded(a, b, static_cast<std::size_t>(-1));
}

// A pattern is a run of literal characters and "?" between stars. Matching
// goes left to right; at a star it remembers where it stands in the pattern
// and in the name, and on a later mismatch it lets the last star take one
// more character and tries again from there. Going back to an earlier star
// is never needed: whatever an earlier star could take more, the last star
// can take instead. So the name is matched in a loop with constant stack,
// in time proportional to the name times the pattern at worst, and with the
// answers of trying every split at every star.
bool matchPattern(const char* name, const char* pattern) {
  if (name == nullptr || pattern == nullptr) {
    return false;
  }
  const char* afterStar = nullptr;    // the pattern just after the last star
  const char* starTakesTo = nullptr;  // where the name stood when the last star took nothing
  while (*name != '\0') {
    if (*pattern == '*') {
      afterStar = ++pattern;
      starTakesTo = name;
    } else if (*pattern != '\0' && (*pattern == '?' || foldCase(*pattern) == foldCase(*name))) {
      ++pattern;
      ++name;
    } else if (afterStar != nullptr) {
      pattern = afterStar;
      name = ++starTakesTo;
    } else {
      return false;
    }
  }
  while (*pattern == '*') {
    ++pattern;
  }
  return *pattern == '\0';
}

int TELVAPI_CALL compareDelegations(const void* x, const void* y) {
  const TelvDelegateRecord* a = static_cast<const TelvDelegateRecord*>(x);
  const TelvDelegateRecord* b = static_cast<const TelvDelegateRecord*>(y);
  int order = compareFolded(a->delegator, b->delegator, kRecordUserIdLength);
  if (order != 0) {
    return order;
  }
  return compareFolded(a->delegate, b->delegate, kRecordUserIdLength);
}

bool hasWildcards(const char* userId) {
  return std::strpbrk(userId, "*?") != nullptr;
}

bool matchesAnyPattern(const char* name, const char* const* patterns) {
  for (const char* const* pattern = patterns; pattern != nullptr && *pattern != nullptr;
       ++pattern) {
    if (matchPattern(name, *pattern)) {
      return true;
    }
  }
  return false;
}

bool passesPatternFilter(const char* name, const char* const* patterns) {
  if (patterns == nullptr || *patterns == nullptr) {
    return true;
  }
  return matchesAnyPattern(name, patterns);
}
