// The words of "telvemu fault SERVER ...", read into what they set.
#ifndef EMULATOR_FAULT_COMMAND_H_
#define EMULATOR_FAULT_COMMAND_H_

#include <string>
#include <vector>

#include "fault_table.h"
#include "store.h"

struct FaultRequest {
  // "clear": remove every fault; fault and text are unused.
  bool clear = false;
  Fault fault;
  // A connect fault may name its code's text too.
  bool hasText = false;
  std::string text;
};

// Reads the words after the server name; false with *problem when they are
// not a fault.
bool parseFaultRequest(const std::vector<std::string>& words, FaultRequest* request,
                       std::string* problem);

bool applyFaultRequest(Store* store, const FaultRequest& request);

#endif  // EMULATOR_FAULT_COMMAND_H_
