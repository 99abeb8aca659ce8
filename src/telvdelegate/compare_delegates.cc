// Comparing: what a listing file holds against what the server holds, so
// that a backup can be checked and a drift seen. Nothing on the server
// changes; no removal or save is ever made.
//
// The file is read by the rules of a load, and the server's delegations
// are fetched and sorted as a listing fetches them; the delegator patterns
// apply to both. A pair, delegator and delegate ignoring case, is the
// unit, as for the store that a restore of the file would run: a pair the
// file holds more than once counts by its last line, which is what such a
// restore leaves. The differences come in the listing's order:
//
//   Only on server      the server holds the pair, the file does not
//   Only in file        a restore would add the pair
//   Other permissions   a copy on the server has another type code or masks
//   Repeated on server  both hold the pair, the server more than once; a
//                       restore would leave one copy
//
// Both sides are walked once, in the same order, so the time is that of a
// listing and a load's reading of the file, and the memory that of the
// file's delegations.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "attribute_text.h"
#include "console_output.h"
#include "delegate_list.h"
#include "delegate_tool.h"
#include "interruptions.h"
#include "listing_input.h"
#include "pair_copies.h"
#include "progress.h"
#include "record_user_id.h"
#include "user_id_match.h"

namespace {

// A delegation of the file, as a restore would store it.
struct FileDelegation {
  RecordUserId delegator;
  RecordUserId delegate;
  DelegateAttributes attributes;
};

bool pairBefore(const FileDelegation& a, const FileDelegation& b) {
  return comparePairs(a.delegator.text, a.delegate.text, b.delegator.text, b.delegate.text) < 0;
}

// Takes a line of the file, unless a restore would refuse its user IDs as
// too long, which is reported as the restore would report it.
bool takeFileLine(const ListingLine& line, std::vector<FileDelegation>* delegations) {
  if (!pairFitsRecord(line.delegator, line.delegate)) {
    return false;
  }
  FileDelegation delegation;
  delegation.delegator = readRecordUserId(line.delegator);
  delegation.delegate = readRecordUserId(line.delegate);
  delegation.attributes = line.attributes;
  delegations->push_back(delegation);
  return true;
}

// Puts the file's delegations in the listing's order, one a pair: the
// last line of each. A file the tool wrote is in that order already.
void keepLastOfEachPair(std::vector<FileDelegation>* delegations) {
  if (!std::is_sorted(delegations->begin(), delegations->end(), pairBefore)) {
    std::stable_sort(delegations->begin(), delegations->end(), pairBefore);
  }
  auto kept = delegations->begin();
  for (auto line = delegations->begin(); line != delegations->end(); ++line) {
    auto next = line + 1;
    if (next == delegations->end() || pairBefore(*line, *next)) {
      *kept++ = *line;
    }
  }
  delegations->erase(kept, delegations->end());
}

// The copies the server holds of one pair, from its sorted list.
struct ServerPair {
  RecordUserId delegator;  // as the first copy names them
  RecordUserId delegate;
  std::vector<DelegateAttributes> copies;
};

// Reads the next pair of the sorted list whose delegator passes the
// patterns, from *pending on, and leaves *pending at the element after
// the pair's last copy. False when the list holds no further pair.
bool readServerPair(DelegateList* list, const char* const* patterns,
                    const TelvDelegateRecord** pending, ServerPair* pair) {
  while (*pending != nullptr &&
         !passesPatternFilter(readRecordUserId((*pending)->delegator).text, patterns)) {
    *pending = list->next();
  }
  if (*pending == nullptr) {
    return false;
  }
  pair->delegator = readRecordUserId((*pending)->delegator);
  pair->delegate = readRecordUserId((*pending)->delegate);
  pair->copies.clear();
  const TelvDelegateRecord* record = *pending;
  for (; record != nullptr; record = list->next()) {
    RecordUserId delegator = readRecordUserId(record->delegator);
    if (!passesPatternFilter(delegator.text, patterns)) {
      continue;
    }
    RecordUserId delegate = readRecordUserId(record->delegate);
    if (comparePairs(delegator.text, delegate.text, pair->delegator.text, pair->delegate.text) !=
        0) {
      break;
    }
    pair->copies.push_back(attributesOfRecord(*record));
  }
  *pending = record;
  return true;
}

// An attribute text without its closing blank, for a line of its own.
struct AttributeWords {
  char text[kAttributeTextSize];
};

AttributeWords attributeWords(const DelegateAttributes& attributes) {
  AttributeWords words;
  formatAttributeText(attributes, words.text);
  words.text[std::strlen(words.text) - 1] = '\0';
  return words;
}

struct Differences {
  int pairs = 0;
  int onlyOnServer = 0;
  int onlyInFile = 0;
  int otherPermissions = 0;
  int repeated = 0;
};

// Compares one pair held on both sides, reporting what a restore would
// change of it.
void comparePair(const FileDelegation& line, const ServerPair& pair, bool longFormat, bool quiet,
                 Differences* differences) {
  for (const DelegateAttributes& copy : pair.copies) {
    if (sameAttributes(copy, line.attributes)) {
      continue;
    }
    ++differences->otherPermissions;
    if (quiet) {
      break;
    }
    if (longFormat) {
      printMessage("Other permissions:  %s <- %s  file %s  server %s\n", line.delegator.text,
                   line.delegate.text, attributeWords(line.attributes).text,
                   attributeWords(copy).text);
    } else {
      printMessage("Other permissions:  %s <- %s\n", line.delegator.text, line.delegate.text);
    }
    break;
  }
  if (pair.copies.size() > 1) {
    ++differences->repeated;
    if (!quiet) {
      printMessage("Repeated on server: %s <- %s\n", pair.delegator.text, pair.delegate.text);
    }
  }
}

}  // namespace

Comparison DelegateTool::compareDelegates(const char* const* patterns) {
  std::vector<FileDelegation> fileDelegations;
  bool linesRefused = false;
  Progress progress;
  progress.start("Reading the listing file");
  progress.trackFile(input_);
  ListingReading reading = readListing(
      input_, patterns,
      [&](const ListingLine& line) {
        if (!takeFileLine(line, &fileDelegations)) {
          linesRefused = true;
        }
      },
      &progress);
  progress.finish();
  if (reading.readError != 0) {
    inputError_ = reading.readError;
    return Comparison::kIncomplete;
  }
  if (reading.headerRefused) {
    return Comparison::kIncomplete;
  }
  keepLastOfEachPair(&fileDelegations);

  DelegateList list;
  if (!list.fetch(serverHandle(), nullptr)) {
    printMessage("Can't retrieve delegates list: %s\n", serverName());
    return Comparison::kIncomplete;
  }
  if (!list.sort(compareDelegations)) {
    printMessage("Can't sort delegates list: %s\n", serverName());
    return Comparison::kIncomplete;
  }

  // The walk is one unit: an interruption stops it between two pairs, and
  // the list goes back to the library before the run ends.
  InterruptionHold hold;

  // Both sides in the listing's order, side by side.
  Differences differences;
  ServerPair pair;
  const TelvDelegateRecord* pending = list.first();
  bool havePair = readServerPair(&list, patterns, &pending, &pair);
  auto line = fileDelegations.begin();
  while (havePair || line != fileDelegations.end()) {
    if (interruptionHeld()) {
      list.close();
      return Comparison::kIncomplete;  // the run ends as the hold goes
    }
    ++differences.pairs;
    int order = !havePair ? -1
                : line == fileDelegations.end()
                    ? 1
                    : comparePairs(line->delegator.text, line->delegate.text, pair.delegator.text,
                                   pair.delegate.text);
    if (order < 0) {
      ++differences.onlyInFile;
      if (!quiet_) {
        printMessage("Only in file:       %s <- %s\n", line->delegator.text, line->delegate.text);
      }
      ++line;
      continue;
    }
    if (order > 0) {
      ++differences.onlyOnServer;
      if (!quiet_) {
        printMessage("Only on server:     %s <- %s\n", pair.delegator.text, pair.delegate.text);
      }
    } else {
      comparePair(*line, pair, longFormat_, quiet_, &differences);
      ++line;
    }
    havePair = readServerPair(&list, patterns, &pending, &pair);
  }
  list.close();

  printMessage(
      "\nPairs compared:%d, only on server:%d, only in file:%d, other permissions:%d, "
      "repeated:%d\n",
      differences.pairs, differences.onlyOnServer, differences.onlyInFile,
      differences.otherPermissions, differences.repeated);
  if (reading.malformed || linesRefused) {
    return Comparison::kIncomplete;
  }
  bool differ = differences.onlyOnServer + differences.onlyInFile + differences.otherPermissions +
                    differences.repeated >
                0;
  return differ ? Comparison::kDifferent : Comparison::kSame;
}
