#include "owned_string.h"

#include <cstdlib>
#include <cstring>

void replaceOwnedString(char** slot, const char* value) {
  freeOwnedString(slot);
  if (value == nullptr) {
    return;
  }
  size_t size = std::strlen(value) + 1;
  char* copy = static_cast<char*>(std::malloc(size));
  if (copy != nullptr) {
    std::memcpy(copy, value, size);
  }
  *slot = copy;
}

void freeOwnedString(char** slot) {
  std::free(*slot);
  *slot = nullptr;
}
