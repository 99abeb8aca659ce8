#include "delegate_list.h"

namespace {

// An element pointer, or null when the library gave a code instead.
const TelvDelegateRecord* elementOf(uint32_t code, void* element) {
  return code == 0 ? static_cast<const TelvDelegateRecord*>(element) : nullptr;
}

}  // namespace

DelegateList::~DelegateList() {
  close();
}

void DelegateList::close() {
  if (handle_ != 0) {
    TelvCloseListHandle(handle_);
    handle_ = 0;
  }
}

bool DelegateList::fetch(uint32_t server, const char* delegate) {
  close();
  uint32_t handle = 0;
  if (TelvGetDelegateList(server, delegate, 0, 0, 0, &handle) != 0) {
    return false;
  }
  handle_ = handle;
  return true;
}

bool DelegateList::sort(TelvCompareFn compare) {
  return TelvListSort(handle_, compare) == 0;
}

const TelvDelegateRecord* DelegateList::first() {
  void* element = nullptr;
  uint32_t code = TelvListGetFirstElementPtr(handle_, &element);
  return elementOf(code, element);
}

const TelvDelegateRecord* DelegateList::next() {
  void* element = nullptr;
  uint32_t code = TelvListGetNextElementPtr(handle_, &element);
  return elementOf(code, element);
}
