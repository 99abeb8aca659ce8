// One walk over a delegate list of the server.
//
// The library hands out a list handle for every list it makes, and only
// the caller can give it back. Every operation that walks a list holds it
// here, so the list is closed however the walk ends: at its end, at an
// early return, or when the list could not be sorted.
#ifndef TELVDELEGATE_DELEGATE_LIST_H_
#define TELVDELEGATE_DELEGATE_LIST_H_

#include <stdint.h>

#include "telvwin32.h"

class DelegateList {
 public:
  DelegateList() = default;
  // Closes the list, if still open.
  ~DelegateList();

  DelegateList(const DelegateList&) = delete;
  DelegateList& operator=(const DelegateList&) = delete;

  // Fetches the delegations of the server, all of them when delegate is
  // null, else those the library lists for that delegate. A list still
  // open is closed first, so that no handle is lost. False, with nothing
  // to close, when the library refuses.
  bool fetch(uint32_t server, const char* delegate);
  // Sorts the fetched list with the library's sort; false when it fails.
  bool sort(TelvCompareFn compare);

  // The first element, then each following one in the list's order; null
  // after the last one, or when the library cannot give the element.
  const TelvDelegateRecord* first();
  const TelvDelegateRecord* next();

  // Closes the list now, where the order of the run's work wants it closed
  // before what follows the walk; the elements go with it.
  void close();

 private:
  uint32_t handle_ = 0;
};

#endif  // TELVDELEGATE_DELEGATE_LIST_H_
