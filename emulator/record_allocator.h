// The allocator of the records of a delegate list. A list of a large server spans
// hundreds of megabytes; asking for transparent huge pages on such a block
// saves the kernel most of its page faults while the list is filled, and
// the processor most of its address translations while the list is sorted
// and read. The listings and deletes of `bench/run_bench.py --million`
// guard it.
#ifndef EMULATOR_RECORD_ALLOCATOR_H_
#define EMULATOR_RECORD_ALLOCATOR_H_

#include <stddef.h>

#include <cstdlib>
#include <vector>

#include "telvwin32.h"

// Allocates like malloc, but a block from kHugeBlockBytes on is mapped on
// its own and marked for huge pages. Null when memory is exhausted.
void* allocateRecordMemory(size_t bytes);
void freeRecordMemory(void* block, size_t bytes);

constexpr size_t kHugeBlockBytes = size_t{4} << 20;

template <typename T>
struct RecordAllocator {
  using value_type = T;
  RecordAllocator() = default;
  template <typename U>
  RecordAllocator(const RecordAllocator<U>&) {}
  T* allocate(size_t count) {
    void* block = allocateRecordMemory(count * sizeof(T));
    if (block == nullptr) {
      std::abort();
    }
    return static_cast<T*>(block);
  }
  void deallocate(T* block, size_t count) { freeRecordMemory(block, count * sizeof(T)); }
  template <typename U>
  bool operator==(const RecordAllocator<U>&) const {
    return true;
  }
  template <typename U>
  bool operator!=(const RecordAllocator<U>&) const {
    return false;
  }
};

using RecordVector = std::vector<TelvDelegateRecord, RecordAllocator<TelvDelegateRecord>>;

#endif  // EMULATOR_RECORD_ALLOCATOR_H_
