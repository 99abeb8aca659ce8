// Delegation pairs, and the server's copies of one.
//
// A pair is a delegator and a delegate, each compared ignoring case. The
// server may hold one pair more than once, in any mix of case; a store
// replaces every copy, and whatever else decides what a store replaces (its
// dry run, a comparison of a listing file with the server) must find the
// same copies. So the rule lives here, once.
#ifndef TELVDELEGATE_PAIR_COPIES_H_
#define TELVDELEGATE_PAIR_COPIES_H_

#include <stdint.h>

#include <vector>

#include "telvwin32.h"

// Whether both user IDs fit a record's 21 characters. The first that does
// not, the delegator's before the delegate's, is reported with the part
// that would fit ("Delegator name is too long: <ID> / <cut ID>"): a store
// refuses such a pair, and whatever foretells a store says so too.
bool pairFitsRecord(const char* delegator, const char* delegate);

// -1, 0 or 1 as pair a sorts before, is the same as, or sorts after pair b:
// by delegator, then by delegate, both ignoring case, as a listing sorts.
int comparePairs(const char* delegatorA, const char* delegateA, const char* delegatorB,
                 const char* delegateB);

// Looks up the server's copies of the pair, as the records the server's
// list holds. The delegate's own list holds them; whatever else the library
// puts in it is left out. When the list cannot be had, says so
// ("Can't retrieve delegates for: <delegate>") and returns false with no
// copies.
bool lookUpPairCopies(uint32_t server, const char* delegator, const char* delegate,
                      std::vector<TelvDelegateRecord>* copies);

// Prints the line for one copy that a store replaces, or would replace;
// a dry run marks a copy that already holds the new permissions.
void reportReplacement(const char* delegator, const char* delegate, bool unchanged);

#endif  // TELVDELEGATE_PAIR_COPIES_H_
