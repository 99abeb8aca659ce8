#include "fault_command.h"

#include "number_parse.h"
#include "text_table.h"

namespace {

// How many words follow the kind: at least, at most.
struct Arity {
  FaultKind kind;
  size_t least;
  size_t most;
};

constexpr Arity kArities[] = {
    {FaultKind::kConnect, 2, 3}, {FaultKind::kRelease, 1, 1}, {FaultKind::kInfo, 1, 1},
    {FaultKind::kName, 1, 1},    {FaultKind::kList, 1, 2},    {FaultKind::kSort, 1, 1},
    {FaultKind::kDelete, 2, 2},  {FaultKind::kSave, 3, 4},
};

const Arity& arityOf(FaultKind kind) {
  for (const Arity& arity : kArities) {
    if (arity.kind == kind) {
      return arity;
    }
  }
  return kArities[0];
}

// A fault's error code. Never 0, the library's success: a removal or save
// "failing" with it would do nothing and report that it worked.
bool readCode(const std::string& word, uint32_t* code, std::string* problem) {
  if (!parseCode(word, code)) {
    *problem = "bad error code '" + word + "'";
    return false;
  }
  if (*code == 0) {
    *problem = "error code '" + word + "' is success, not a fault";
    return false;
  }
  return true;
}

// A count of calls to fail: decimal, above 0, and small enough for the
// table's signed column.
bool readCount(const std::string& word, const char* what, int64_t* remaining,
               std::string* problem) {
  uint64_t count = 0;
  if (!parseDecimal(word, &count) || count == 0 || count > static_cast<uint64_t>(INT64_MAX)) {
    *problem = std::string("bad ") + what + " count '" + word + "'";
    return false;
  }
  *remaining = static_cast<int64_t>(count);
  return true;
}

}  // namespace

bool parseFaultRequest(const std::vector<std::string>& words, FaultRequest* request,
                       std::string* problem) {
  *request = FaultRequest();
  if (words.size() == 1 && words[0] == "clear") {
    request->clear = true;
    return true;
  }
  Fault& fault = request->fault;
  if (words.empty() || !faultKindFromName(words[0], &fault.kind)) {
    *problem = words.empty() ? "missing fault kind" : "unknown fault kind '" + words[0] + "'";
    return false;
  }
  const Arity& arity = arityOf(fault.kind);
  size_t count = words.size() - 1;
  if (count < arity.least || count > arity.most) {
    *problem = "wrong number of arguments for a " + words[0] + " fault";
    return false;
  }
  switch (fault.kind) {
    case FaultKind::kConnect:
      if (words[1] != "all" && !readCount(words[1], "attempt", &fault.remaining, problem)) {
        return false;
      }
      request->hasText = count == 3;
      if (request->hasText) {
        request->text = words[3];
      }
      return readCode(words[2], &fault.code, problem);
    case FaultKind::kName:
      fault.subject = words[1];
      return true;
    case FaultKind::kList:
      if (count == 2) {
        if (words[2].empty()) {
          *problem = "empty user";
          return false;
        }
        fault.subject = words[2];
      }
      return readCode(words[1], &fault.code, problem);
    case FaultKind::kDelete: {
      uint32_t entryId = 0;
      if (!parseUnsigned32(words[1], &entryId)) {
        *problem = "bad entry ID '" + words[1] + "'";
        return false;
      }
      fault.subject = std::to_string(entryId);
      return readCode(words[2], &fault.code, problem);
    }
    case FaultKind::kSave:
      fault.subject = words[1];
      fault.subject2 = words[2];
      // Without a count every save of the pair fails, until cleared.
      if (count == 4 && !readCount(words[4], "save", &fault.remaining, problem)) {
        return false;
      }
      return readCode(words[3], &fault.code, problem);
    case FaultKind::kRelease:
    case FaultKind::kInfo:
    case FaultKind::kSort:
      break;
  }
  return readCode(words[1], &fault.code, problem);
}

bool applyFaultRequest(Store* store, const FaultRequest& request) {
  if (request.clear) {
    return faultClear(store);
  }
  if (request.hasText && !textSet(store, request.fault.code, request.text)) {
    return false;
  }
  return faultSet(store, request.fault);
}
