#include "list_sort.h"

#include <stdint.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// A bottom-up merge sort of indices: records are 1018 bytes, so they are
// moved once at the end instead of at every merge step, and no step trusts
// compare to bound its indices.
void MergeSortIndices(const RecordVector& records, TelvCompareFn compare,
                      std::vector<uint32_t>* order) {
  size_t n = order->size();
  std::vector<uint32_t> buffer(n);
  std::vector<uint32_t>* from = order;
  std::vector<uint32_t>* to = &buffer;
  for (size_t width = 1; width < n; width *= 2) {
    for (size_t low = 0; low < n; low += 2 * width) {
      size_t middle = std::min(low + width, n);
      size_t high = std::min(low + 2 * width, n);
      size_t left = low;
      size_t right = middle;
      size_t out = low;
      while (left < middle && right < high) {
        bool rightFirst = compare(&records[(*from)[right]], &records[(*from)[left]]) < 0;
        (*to)[out++] = rightFirst ? (*from)[right++] : (*from)[left++];
      }
      while (left < middle) {
        (*to)[out++] = (*from)[left++];
      }
      while (right < high) {
        (*to)[out++] = (*from)[right++];
      }
    }
    std::swap(from, to);
  }
  if (from != order) {
    order->swap(buffer);
  }
}

// Moves records[order[i]] to position i, following each cycle of the
// permutation with one spare record.
void ApplyOrder(std::vector<uint32_t>* order, RecordVector* records) {
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

void SortRecords(RecordVector* records, TelvCompareFn compare) {
  std::vector<uint32_t> order(records->size());
  std::iota(order.begin(), order.end(), 0u);
  MergeSortIndices(*records, compare, &order);
  ApplyOrder(&order, records);
}
