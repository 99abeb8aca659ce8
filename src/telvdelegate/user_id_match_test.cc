#include "user_id_match.h"

#include <cstring>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "telvwin32.h"

namespace {

TEST(CompareNoCase, FoldsOnlyAToZAndOrdersBytesUnsigned) {
  EXPECT_EQ(compareNoCase("abc", "ABD"), -1);
  EXPECT_EQ(compareNoCase("ABD", "abc"), 1);
  EXPECT_EQ(compareNoCase("ab", "abc"), -1);
  EXPECT_EQ(compareNoCase("abc", "ab"), 1);
  EXPECT_EQ(compareNoCase("Bob", "bob"), 0);
  EXPECT_EQ(compareNoCase("", ""), 0);
  // Letters fold down, so "_" (0x5F) sorts before them both ways.
  EXPECT_EQ(compareNoCase("a_b", "AAB"), -1);
  EXPECT_EQ(compareNoCase("A_B", "aab"), -1);
  // "@" and "[" border A and Z: they are not folded.
  EXPECT_EQ(compareNoCase("@", "`"), -1);
  EXPECT_EQ(compareNoCase("[", "{"), -1);
  // Bytes from 0x80 up are not letters to us, and sort after ASCII.
  EXPECT_EQ(compareNoCase("\xC9", "\xE9"), -1);
  EXPECT_EQ(compareNoCase("\xE9", "z"), 1);
}

// matchPattern as the definition states it, one recursion per pattern
// character and every split tried at a star; fine for short strings.
bool referenceMatch(const char* name, const char* pattern) {
  auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; };
  if (*pattern == '\0') {
    return *name == '\0';
  }
  if (*pattern == '*') {
    for (std::size_t taken = std::strlen(name) + 1; taken-- > 0;) {
      if (referenceMatch(name + taken, pattern + 1)) {
        return true;
      }
    }
    return false;
  }
  if (*name == '\0') {
    return false;
  }
  if (*pattern != '?' && fold(*pattern) != fold(*name)) {
    return false;
  }
  return referenceMatch(name + 1, pattern + 1);
}

TEST(MatchPattern, Examples) {
  EXPECT_TRUE(matchPattern("Alice", "a*"));
  EXPECT_TRUE(matchPattern("Alice", "?LICE"));
  EXPECT_FALSE(matchPattern("Alice", "al"));
  EXPECT_TRUE(matchPattern("", "*"));
  EXPECT_TRUE(matchPattern("ab", "a**b*"));
  EXPECT_FALSE(matchPattern("", "?"));
  EXPECT_FALSE(matchPattern("a", "a?"));
  EXPECT_TRUE(matchPattern("bo", "bo*"));
  EXPECT_TRUE(matchPattern("bob", "bo*"));
  EXPECT_TRUE(matchPattern("any.Name_at_all", "*"));
  EXPECT_TRUE(matchPattern("", ""));
  EXPECT_FALSE(matchPattern("a", ""));
  // No escapes: a star or a question mark in a name is just a character.
  EXPECT_TRUE(matchPattern("a*b", "a?b"));
  EXPECT_TRUE(matchPattern("axb", "a*b"));
}

TEST(MatchPattern, NullNeverMatches) {
  EXPECT_FALSE(matchPattern(nullptr, "*"));
  EXPECT_FALSE(matchPattern("bob", nullptr));
  EXPECT_FALSE(matchPattern(nullptr, nullptr));
}

// Every pattern of up to six characters and every name of up to five over
// small alphabets, against the definition: the loop must give the
// answers of trying every split at every star.
TEST(MatchPattern, AgreesWithTheRecursiveDefinition) {
  const std::string kPatternAlphabet = "aB*?";
  const std::string kNameAlphabet = "Ab*";
  auto allStrings = [](const std::string& alphabet, std::size_t maxLength) {
    std::vector<std::string> strings = {""};
    for (std::size_t begin = 0; begin < strings.size(); ++begin) {
      if (strings[begin].size() == maxLength) {
        continue;
      }
      for (char c : alphabet) {
        strings.push_back(strings[begin] + c);
      }
    }
    return strings;
  };
  std::vector<std::string> patterns = allStrings(kPatternAlphabet, 6);
  std::vector<std::string> names = allStrings(kNameAlphabet, 5);
  int matches = 0;
  for (const std::string& pattern : patterns) {
    for (const std::string& name : names) {
      bool expected = referenceMatch(name.c_str(), pattern.c_str());
      ASSERT_EQ(matchPattern(name.c_str(), pattern.c_str()), expected)
          << "name '" << name << "', pattern '" << pattern << "'";
      matches += expected;
    }
  }
  // Both answers occur often enough for the comparison to mean something.
  EXPECT_GT(matches, 100000);
  EXPECT_LT(matches, static_cast<int>(patterns.size() * names.size()) / 2);
}

// A pattern typed on the command line can be long; neither its length nor
// its stars may cost stack or exponential time. Each case fails only at
// the last character.
TEST(MatchPattern, LongPatternsAnswerWithoutDeepStackOrBacktracking) {
  std::string longPattern(100000, 'a');
  longPattern.back() = 'b';
  std::string name(100000, 'A');
  EXPECT_FALSE(matchPattern(name.c_str(), longPattern.c_str()));
  longPattern.back() = '?';
  EXPECT_TRUE(matchPattern(name.c_str(), longPattern.c_str()));

  std::string stars = "*";
  for (int i = 1; i < 50; ++i) {
    stars += "a*";
  }
  std::string almost(48, 'a');  // one "a" too few for the 49 the pattern needs
  almost += std::string(100, 'b');
  EXPECT_FALSE(matchPattern(almost.c_str(), stars.c_str()));
  EXPECT_TRUE(matchPattern(("A" + almost).c_str(), stars.c_str()));
}

TelvDelegateRecord recordOf(const char* delegator, const char* delegate) {
  TelvDelegateRecord record;
  std::memset(&record, 0, sizeof record);
  std::strncpy(record.delegator, delegator, sizeof record.delegator);
  std::strncpy(record.delegate, delegate, sizeof record.delegate);
  return record;
}

TEST(CompareDelegations, DelegatorThenDelegateIgnoringCase) {
  TelvDelegateRecord aliceBob = recordOf("alice", "Bob");
  TelvDelegateRecord capitalAliceCarol = recordOf("Alice", "carol");
  TelvDelegateRecord upperAliceBob = recordOf("ALICE", "bob");
  TelvDelegateRecord aaron = recordOf("aaron", "zed");
  EXPECT_EQ(compareDelegations(&aliceBob, &capitalAliceCarol), -1);
  EXPECT_EQ(compareDelegations(&capitalAliceCarol, &aliceBob), 1);
  EXPECT_EQ(compareDelegations(&aliceBob, &upperAliceBob), 0);
  EXPECT_EQ(compareDelegations(&aaron, &aliceBob), -1);
}

TEST(CompareDelegations, ReadsNoMoreThan21CharactersOfAField) {
  // Fields filled to their last byte, without a NUL, differing only there:
  // the record holds 21 characters of a user ID, so they are equal.
  TelvDelegateRecord x = recordOf("", "");
  TelvDelegateRecord y = recordOf("", "");
  std::memset(x.delegator, 'd', sizeof x.delegator);
  std::memset(y.delegator, 'D', sizeof y.delegator);
  x.delegator[21] = 'x';
  y.delegator[21] = 'y';
  std::memset(x.delegate, 'e', sizeof x.delegate);
  std::memset(y.delegate, 'e', sizeof y.delegate);
  y.delegate[21] = 'z';
  EXPECT_EQ(compareDelegations(&x, &y), 0);
  y.delegate[20] = 'f';
  EXPECT_EQ(compareDelegations(&x, &y), -1);
}

TEST(HasWildcards, StarOrQuestionMarkAnywhere) {
  EXPECT_FALSE(hasWildcards("alice"));
  EXPECT_FALSE(hasWildcards(""));
  EXPECT_TRUE(hasWildcards("*"));
  EXPECT_TRUE(hasWildcards("al?ce"));
  EXPECT_TRUE(hasWildcards("alice*"));
}

TEST(PatternFilter, EmptyListPassesEverythingElseNeedsAMatch) {
  char a[] = "a*";
  char b[] = "?OB";
  char* none[] = {nullptr};
  char* two[] = {a, b, nullptr};
  EXPECT_TRUE(passesPatternFilter("anyone", nullptr));
  EXPECT_TRUE(passesPatternFilter("anyone", none));
  EXPECT_FALSE(matchesAnyPattern("anyone", none));
  EXPECT_TRUE(passesPatternFilter("Alice", two));
  EXPECT_TRUE(passesPatternFilter("bob", two));
  EXPECT_TRUE(matchesAnyPattern("bob", two));
  EXPECT_FALSE(passesPatternFilter("carol", two));
  EXPECT_FALSE(matchesAnyPattern("carol", two));
}

}  // namespace
