#include "store_preview.h"

#include "console_output.h"
#include "pair_copies.h"
#include "record_user_id.h"

bool StorePreview::PairLess::operator()(const Pair& a, const Pair& b) const {
  return comparePairs(a.first.c_str(), a.second.c_str(), b.first.c_str(), b.second.c_str()) < 0;
}

bool previewStore(StorePreview* preview, bool quiet, const TelvDelegateRecord& record,
                  std::vector<TelvDelegateRecord>* copies, int* added) {
  RecordUserId delegator = readRecordUserId(record.delegator);
  RecordUserId delegate = readRecordUserId(record.delegate);
  DelegateAttributes attributes = attributesOfRecord(record);
  StorePreview::Pair pair(delegator.text, delegate.text);

  // An earlier store of this run would have removed the server's copies
  // and saved its own in their place.
  auto previewed = preview->saved.find(pair);
  if (previewed != preview->saved.end()) {
    copies->assign(1, record);
    copies->front().typeCode = previewed->second.typeCode;
    for (int i = 0; i < 4; ++i) {
      copies->front().masks[i] = previewed->second.masks[i];
    }
  }
  for (const TelvDelegateRecord& copy : *copies) {
    if (quiet) {
      break;
    }
    reportReplacement(delegator.text, delegate.text,
                      sameAttributes(attributesOfRecord(copy), attributes));
  }
  preview->saved[pair] = attributes;

  ++*added;
  if (!quiet) {
    printMessage("Delegate to load: %s <- %s\n", delegator.text, delegate.text);
  }
  return true;
}
