// matchPattern and the case-blind comparisons against versions written
// plainly from their definitions: a recursive matcher that tries every
// split at every star, and a comparison of the strings folded to lower
// case first. Inputs are kept short enough for the plain matcher.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "telvwin32.h"
#include "user_id_match.h"

namespace {

const std::size_t kLongest = 48;

char fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string folded(std::string text) {
  for (char& c : text) {
    c = fold(c);
  }
  return text;
}

// "*" takes nothing or one more character; "?" takes exactly one; any
// other character takes itself, ignoring case. The answers are kept per
// place in name and pattern, so that a pattern of many stars stays cheap.
struct PlainMatcher {
  std::string name;
  std::string pattern;
  std::vector<signed char> known;  // -1 unknown, else the answer

  bool matches(std::size_t n, std::size_t p) {
    signed char& answer = known[n * (pattern.size() + 1) + p];
    if (answer < 0) {
      answer = compute(n, p);
    }
    return answer != 0;
  }

  bool compute(std::size_t n, std::size_t p) {
    if (p == pattern.size()) {
      return n == name.size();
    }
    if (pattern[p] == '*') {
      return matches(n, p + 1) || (n < name.size() && matches(n + 1, p));
    }
    if (n == name.size()) {
      return false;
    }
    return (pattern[p] == '?' || fold(pattern[p]) == fold(name[n])) && matches(n + 1, p + 1);
  }
};

bool plainMatch(const std::string& name, const std::string& pattern) {
  PlainMatcher matcher{name, pattern, {}};
  matcher.known.assign((name.size() + 1) * (pattern.size() + 1), -1);
  return matcher.matches(0, 0);
}

int plainCompare(const std::string& a, const std::string& b) {
  int order = folded(a).compare(folded(b));  // bytes as unsigned, a prefix first
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

// A record whose user-ID fields hold the first 22 bytes of the text,
// without a NUL when the text is that long: the comparison must stop at 21.
TelvDelegateRecord* recordOf(const std::string& delegator, const std::string& delegate) {
  TelvDelegateRecord* record = new TelvDelegateRecord();
  std::memcpy(record->delegator, delegator.data(),
              std::min(delegator.size(), sizeof record->delegator));
  std::memcpy(record->delegate, delegate.data(),
              std::min(delegate.size(), sizeof record->delegate));
  return record;
}

int sign(int value) {
  return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::vector<std::string> pieces = splitAtNul(data, size);
  if (pieces.size() < 2 || pieces[0].size() > kLongest || pieces[1].size() > kLongest) {
    return 0;
  }
  const std::string& name = pieces[0];
  const std::string& pattern = pieces[1];

  FUZZ_CHECK(matchPattern(name.c_str(), pattern.c_str()) == plainMatch(name, pattern));
  FUZZ_CHECK(hasWildcards(pattern.c_str()) == (pattern.find_first_of("*?") != std::string::npos));

  int order = compareNoCase(name.c_str(), pattern.c_str());
  FUZZ_CHECK(order == plainCompare(name, pattern));
  FUZZ_CHECK(compareNoCase(pattern.c_str(), name.c_str()) == -order);

  // Two records, delegator and delegate from the first and second text and
  // the other way round; each field is read as at most 21 characters.
  TelvDelegateRecord* first = recordOf(name, pattern);
  TelvDelegateRecord* second = recordOf(pattern, name);
  int byDelegator = plainCompare(name.substr(0, 21), pattern.substr(0, 21));
  int expected =
      byDelegator != 0 ? byDelegator : plainCompare(pattern.substr(0, 21), name.substr(0, 21));
  FUZZ_CHECK(sign(compareDelegations(first, second)) == expected);
  FUZZ_CHECK(compareDelegations(first, first) == 0);
  delete first;
  delete second;
  return 0;
}
