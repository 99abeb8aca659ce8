// Faults a test sets on a server, kept in its database so that they act in
// every process using the server until cleared.
#ifndef EMULATOR_FAULT_TABLE_H_
#define EMULATOR_FAULT_TABLE_H_

#include <stdint.h>

#include <string>
#include <vector>

#include "store.h"

enum class FaultKind { kConnect, kRelease, kInfo, kName, kList, kSort, kDelete, kSave };

// The word telvemu and the table use for a kind, and back.
const char* faultKindName(FaultKind kind);
bool faultKindFromName(const std::string& name, FaultKind* kind);

struct Fault {
  FaultKind kind = FaultKind::kConnect;
  // What the fault applies to, compared ignoring ASCII case: the user of a
  // list fault ("" for every list), the entry ID of a delete fault in
  // decimal, the delegator of a save fault, the reported name of a name
  // fault.
  std::string subject;
  // The delegate of a save fault.
  std::string subject2;
  uint32_t code = 0;
  // Connect and save faults: calls still to fail, or -1 for all of them.
  int64_t remaining = -1;
};

// Sets a fault, replacing the one it would shadow: of its kind for the
// kinds a server has one of, else of its kind and subjects.
bool faultSet(Store* store, const Fault& fault);

enum class FaultLookup { kFound, kNone, kFailed };

// The fault of a kind and subjects. Subjects unused by a kind are ""; the
// kinds a server has one of ignore them.
FaultLookup faultFind(Store* store, FaultKind kind, const std::string& subject,
                      const std::string& subject2, Fault* fault);

// Like faultFind, and takes one failure of a counted fault, removing it
// with its last. Runs inside the caller's write transaction, so that the
// caller commits the take together with whatever else it changes.
FaultLookup faultTake(Store* store, FaultKind kind, const std::string& subject,
                      const std::string& subject2, Fault* fault);

// Takes one failure of the connect fault, in one transaction with the read
// so that concurrent connects each take their own.
FaultLookup faultTakeConnect(Store* store, uint32_t* code);

bool faultClear(Store* store);

// Every fault, in the order they were set.
bool faultList(Store* store, std::vector<Fault>* faults);

// A fault as the arguments of "telvemu fault SERVER" that set it.
std::string faultFormat(const Fault& fault);

#endif  // EMULATOR_FAULT_TABLE_H_
