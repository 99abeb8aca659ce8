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

#include <sys/mman.h>

namespace {

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
  void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) {
    return nullptr;
  }
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
