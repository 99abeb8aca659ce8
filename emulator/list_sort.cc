#include "list_sort.h"

#include <stdint.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Records are sorted in two rounds so that each is fetched from memory
// about twice, not once at every merge level: first runs of this many
// consecutive records, about a megabyte that stays in the processor's
// cache while it is sorted; then all runs at once through a tournament
// tree, whose run heads stay in cache. The listings of
// `bench/run_bench.py --million` guard it.
constexpr size_t kRunLength = 1024;

// A bottom-up merge sort of order[low, high), indices of records: records
// are 1018 bytes, so they are moved once at the end instead of at every
// merge step, and no step trusts compare to bound its indices. buffer has
// room for as many indices as order.
void mergeSortIndices(const RecordVector& records, TelvCompareFn compare, size_t low, size_t high,
                      uint32_t* order, uint32_t* buffer) {
  uint32_t* from = order;
  uint32_t* to = buffer;
  for (size_t width = 1; width < high - low; width *= 2) {
    for (size_t begin = low; begin < high; begin += 2 * width) {
      size_t middle = std::min(begin + width, high);
      size_t end = std::min(begin + 2 * width, high);
      size_t left = begin;
      size_t right = middle;
      size_t out = begin;
      while (left < middle && right < end) {
        bool rightFirst = compare(&records[from[right]], &records[from[left]]) < 0;
        to[out++] = rightFirst ? from[right++] : from[left++];
      }
      while (left < middle) {
        to[out++] = from[left++];
      }
      while (right < end) {
        to[out++] = from[right++];
      }
    }
    std::swap(from, to);
  }
  if (from != order) {
    std::copy(from + low, from + high, order + low);
  }
}

// The sorted runs of the first round, each a range of one index array.
struct Runs {
  const RecordVector* records;
  TelvCompareFn compare;
  const uint32_t* order;
  size_t size;               // of order
  std::vector<size_t> next;  // per run, its head; its end when done
};

size_t runEnd(const Runs& runs, size_t run) {
  return std::min(run * kRunLength + kRunLength, runs.size);
}

// True when run a's head goes out before run b's. A finished run loses to
// every other; of equal heads the earlier run's goes first, which keeps the
// whole sort stable.
bool beats(const Runs& runs, size_t a, size_t b) {
  bool aDone = runs.next[a] >= runEnd(runs, a);
  bool bDone = runs.next[b] >= runEnd(runs, b);
  if (aDone || bDone) {
    return !aDone;
  }
  int order = runs.compare(&(*runs.records)[runs.order[runs.next[a]]],
                           &(*runs.records)[runs.order[runs.next[b]]]);
  return order != 0 ? order < 0 : a < b;
}

// Merges the runs of order, each kRunLength long but the last, into merged.
// A tree of losers over a power of two of runs (the missing ones empty)
// finds each next record with one comparison per level.
void mergeRuns(const RecordVector& records, TelvCompareFn compare, const uint32_t* order, size_t n,
               uint32_t* merged) {
  size_t count = (n + kRunLength - 1) / kRunLength;
  size_t leaves = 1;
  while (leaves < count) {
    leaves *= 2;
  }
  Runs runs{&records, compare, order, n, std::vector<size_t>(leaves)};
  for (size_t run = 0; run < leaves; ++run) {
    runs.next[run] = std::min(run * kRunLength, n);
  }
  // winners[node] is the run that won the node's subtree while it was
  // built; losers[node] keeps the one it beat.
  std::vector<size_t> winners(2 * leaves);
  std::vector<size_t> losers(leaves);
  for (size_t run = 0; run < leaves; ++run) {
    winners[leaves + run] = run;
  }
  for (size_t node = leaves - 1; node >= 1; --node) {
    size_t left = winners[2 * node];
    size_t right = winners[2 * node + 1];
    bool leftWins = beats(runs, left, right);
    winners[node] = leftWins ? left : right;
    losers[node] = leftWins ? right : left;
  }
  size_t winner = leaves == 1 ? 0 : winners[1];
  for (size_t out = 0; out < n; ++out) {
    merged[out] = order[runs.next[winner]++];
    for (size_t node = (leaves + winner) / 2; node >= 1; node /= 2) {
      if (beats(runs, losers[node], winner)) {
        std::swap(losers[node], winner);
      }
    }
  }
}

// Moves records[order[i]] to position i, following each cycle of the
// permutation with one spare record.
void applyOrder(std::vector<uint32_t>* order, RecordVector* records) {
  for (size_t start = 0; start < order->size(); ++start) {
    if ((*order)[start] == start) {
      continue;
    }
    TelvDelegateRecord spare = (*records)[start];
    size_t at = start;
    while ((*order)[at] != start) {
      size_t source = (*order)[at];
      (*records)[at] = (*records)[source];
      (*order)[at] = static_cast<uint32_t>(at);
      at = source;
    }
    (*records)[at] = spare;
    (*order)[at] = static_cast<uint32_t>(at);
  }
}

}  // namespace

void sortRecords(RecordVector* records, TelvCompareFn compare) {
  size_t n = records->size();
  std::vector<uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  std::vector<uint32_t> buffer(n);
  for (size_t low = 0; low < n; low += kRunLength) {
    mergeSortIndices(*records, compare, low, std::min(low + kRunLength, n), order.data(),
                     buffer.data());
  }
  if (n > kRunLength) {
    mergeRuns(*records, compare, order.data(), n, buffer.data());
    order.swap(buffer);
  }
  applyOrder(&order, records);
}
