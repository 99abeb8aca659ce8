// The dry run of storing delegations: the lines a store would print, up to
// the changes it would make, worded so that none claims a change. No
// removal and no save reach the server. What only the server could refuse,
// a removal or save that would fail, cannot be foreseen here.
#ifndef TELVDELEGATE_STORE_PREVIEW_H_
#define TELVDELEGATE_STORE_PREVIEW_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "attribute_text.h"
#include "telvwin32.h"

// What a dry run would have saved so far, by pair. A real run replaces,
// for a pair stored twice, the copy it saved the first time, and the
// server no longer holds the copies that first store removed; the dry run
// tells the same from here. One for the whole run.
struct StorePreview {
  using Pair = std::pair<std::string, std::string>;
  struct PairLess {
    bool operator()(const Pair& a, const Pair& b) const;
  };
  std::map<Pair, DelegateAttributes, PairLess> saved;
};

// Stands in for the removals and the save of one store: reports each of
// the copies that the store would replace (the server's, or what this run
// would have saved in their place) and the save, unless the run is quiet,
// and counts it in *added. *copies are those the store looked up; the
// record is the one it would save. Returns true: nothing it foresees fails.
bool previewStore(StorePreview* preview, bool quiet, const TelvDelegateRecord& record,
                  std::vector<TelvDelegateRecord>* copies, int* added);

#endif  // TELVDELEGATE_STORE_PREVIEW_H_
