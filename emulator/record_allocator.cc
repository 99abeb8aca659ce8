#include "record_allocator.h"

#include <stdlib.h>

#ifdef _WIN32

// The Windows build only serves the tests under Wine: plain malloc will do.
void* allocateRecordMemory(size_t bytes) {
  return malloc(bytes);
}

void freeRecordMemory(void* block, size_t /*bytes*/) {
  free(block);
}

#else

#include <stdint.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The size of a transparent huge page on the processors we run on.
constexpr uintptr_t kHugePageBytes = uintptr_t{2} << 20;

uintptr_t roundUp(uintptr_t value, uintptr_t unit) {
  return (value + unit - 1) / unit * unit;
}

// Under AddressSanitizer every block comes from malloc, so that a read past
// the last element of a list is caught however long the list is.
bool mappedOnItsOwn(size_t bytes) {
#ifdef __SANITIZE_ADDRESS__
  (void)bytes;
  return false;
#else
  return bytes >= kHugeBlockBytes;
#endif
}

}  // namespace

void* allocateRecordMemory(size_t bytes) {
  if (!mappedOnItsOwn(bytes)) {
    return malloc(bytes);
  }
  // Only whole huge pages inside the block can be huge, so the block starts
  // on a huge-page boundary: mapped with a huge page to spare, then trimmed.
  // Where the system would place it otherwise varies from process to
  // process, and so would the number of huge pages a list gets.
  size_t spare = kHugePageBytes;
  void* area =
      mmap(nullptr, bytes + spare, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (area == MAP_FAILED) {
    return nullptr;
  }
  uintptr_t areaStart = reinterpret_cast<uintptr_t>(area);
  uintptr_t areaEnd = areaStart + bytes + spare;
  uintptr_t blockStart = roundUp(areaStart, kHugePageBytes);
  uintptr_t blockEnd = roundUp(blockStart + bytes, static_cast<uintptr_t>(getpagesize()));
  if (blockStart > areaStart) {
    munmap(area, blockStart - areaStart);
  }
  if (areaEnd > blockEnd) {
    munmap(reinterpret_cast<void*>(blockEnd), areaEnd - blockEnd);
  }
  void* block = reinterpret_cast<void*>(blockStart);
  madvise(block, bytes, MADV_HUGEPAGE);
  return block;
}

void freeRecordMemory(void* block, size_t bytes) {
  if (block == nullptr) {
    return;
  }
  if (!mappedOnItsOwn(bytes)) {
    free(block);
  } else {
    munmap(block, bytes);
  }
}

#endif  // _WIN32
