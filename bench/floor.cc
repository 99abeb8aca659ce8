// telvfloor: the least a program can do to list, delete or load in-box
// delegations through the client library. It makes the library calls
// telvdelegate makes and writes the bytes it writes, with the same flushes,
// but with the C library's own string routines in place of the tool's
// matching, text forms and checks. The benchmark times both on the same
// servers: what telvdelegate takes beyond this floor is its own cost.
//
// From its "Server:" line on, its standard output equals the tool's for
// the benchmark's inputs (plain user IDs of at most 21 characters, a
// well-formed listing file), and the benchmark checks that it does.

#include <fnmatch.h>
#include <strings.h>

#include <cstdio>
#include <cstring>

#include "telvwin32.h"

namespace {

const int32_t kConnectMode = 4;
const uint32_t kRequiredRelease = 0x0520;
const int kLineSize = 4096;

struct Connection {
  uint32_t handle = 0;
  char name[TELV_SERVER_INFO_SIZE];
  const char* requested = nullptr;
};

bool connectServer(const char* server, Connection* connection) {
  TelvGetAPIVersion();
  std::printf("Server: %s\n", server);
  std::printf("Connecting to Telvane server: %s\n", server);
  std::printf("Connect(1) to Telvane server: %s\n", server);
  std::fflush(stdout);
  uint32_t error = 0;
  connection->handle = TelvCreateServerHandle(server, kConnectMode, &error);
  if (connection->handle == 0) {
    std::fprintf(stderr, "telvfloor: can't connect to %s: error %u\n", server, error);
    return false;
  }
  std::printf("Connected to Telvane server:  %s\n", server);
  std::fflush(stdout);
  if (TelvVersionCheck(connection->handle, kRequiredRelease, 0) != 0) {
    std::fprintf(stderr, "telvfloor: %s: incompatible release\n", server);
    return false;
  }
  unsigned char info[TELV_SERVER_INFO_SIZE] = {0};
  TelvGetServerInfo2(connection->handle, info);
  std::snprintf(connection->name, sizeof connection->name, "%s",
                reinterpret_cast<const char*>(info + TELV_SERVER_INFO_NAME_OFFSET));
  connection->requested = server;
  std::printf("\n");
  std::fflush(stdout);
  return true;
}

void disconnectServer(Connection* connection) {
  std::printf("\n");
  std::printf("Disconnect from Telvane server: %s, %s\n", connection->requested, connection->name);
  std::fflush(stdout);
  TelvCloseServerHandle(connection->handle);
  std::printf("Disconnected\n");
  std::fflush(stdout);
}

int TELVAPI_CALL compareRecords(const void* x, const void* y) {
  const TelvDelegateRecord* a = static_cast<const TelvDelegateRecord*>(x);
  const TelvDelegateRecord* b = static_cast<const TelvDelegateRecord*>(y);
  int order = strncasecmp(a->delegator, b->delegator, sizeof a->delegator);
  return order != 0 ? order : strncasecmp(a->delegate, b->delegate, sizeof a->delegate);
}

bool matches(const char* name, char** patterns, int count) {
  for (int i = 0; i < count; ++i) {
    if (fnmatch(patterns[i], name, FNM_CASEFOLD) == 0) {
      return true;
    }
  }
  return false;
}

// Fetches and sorts every delegation and closes the list again: the memory
// the library's list takes, with nothing of a client's own beside it.
int fetch(Connection* connection) {
  uint32_t list = 0;
  if (TelvGetDelegateList(connection->handle, nullptr, 0, 0, 0, &list) != 0 ||
      TelvListSort(list, compareRecords) != 0) {
    return 1;
  }
  TelvCloseListHandle(list);
  return 0;
}

int list(Connection* connection, bool longFormat, const char* outputName, char** patterns,
         int patternCount) {
  std::FILE* output = stdout;
  if (outputName != nullptr && (output = std::fopen(outputName, "w")) == nullptr) {
    std::perror(outputName);
    return 3;
  }
  std::printf("Retrieving in-box delegates list...\n");
  std::fflush(stdout);
  uint32_t list = 0;
  if (TelvGetDelegateList(connection->handle, nullptr, 0, 0, 0, &list) != 0) {
    return 1;
  }
  std::printf("Sorting delegates list...\n");
  std::fflush(stdout);
  if (TelvListSort(list, compareRecords) != 0) {
    return 1;
  }
  const TelvDelegateRecord* previous = nullptr;
  int delegators = 0;
  int entries = 0;
  void* element = nullptr;
  for (uint32_t end = TelvListGetFirstElementPtr(list, &element); end == 0;
       end = TelvListGetNextElementPtr(list, &element)) {
    const TelvDelegateRecord* record = static_cast<const TelvDelegateRecord*>(element);
    if (patternCount > 0 && !matches(record->delegator, patterns, patternCount)) {
      continue;
    }
    ++entries;
    bool repeat = false;
    if (previous == nullptr || strcasecmp(previous->delegator, record->delegator) != 0) {
      ++delegators;
    } else {
      repeat = strcasecmp(previous->delegate, record->delegate) == 0;
    }
    previous = record;
    const char* mark = repeat ? " *" : "";
    if (longFormat) {
      if (entries == 1) {
        std::fprintf(output, "FORMAT 1\n");
      }
      std::fprintf(output, "%04X %08X %08X %08X %08X %s %s%s\n", record->typeCode, record->masks[0],
                   record->masks[1], record->masks[2], record->masks[3], record->delegator,
                   record->delegate, mark);
    } else if (output == stdout) {
      std::fprintf(output, "%4d %4d  %s %s%s\n", delegators, entries, record->delegator,
                   record->delegate, mark);
    } else {
      std::fprintf(output, "%s %s%s\n", record->delegator, record->delegate, mark);
    }
    std::fflush(output);
  }
  TelvCloseListHandle(list);
  if (output != stdout && std::fclose(output) != 0) {
    std::perror(outputName);
    return 3;
  }
  std::printf("delegators:%d, delegates:%d\n", delegators, entries);
  std::fflush(stdout);
  return 0;
}

int deleteMatching(Connection* connection, const char* delegatorPattern, char** delegatePatterns,
                   int patternCount) {
  uint32_t list = 0;
  if (TelvGetDelegateList(connection->handle, nullptr, 0, 0, 0, &list) != 0) {
    return 1;
  }
  int removed = 0;
  void* element = nullptr;
  for (uint32_t end = TelvListGetFirstElementPtr(list, &element); end == 0;
       end = TelvListGetNextElementPtr(list, &element)) {
    const TelvDelegateRecord* record = static_cast<const TelvDelegateRecord*>(element);
    if (fnmatch(delegatorPattern, record->delegator, FNM_CASEFOLD) != 0 ||
        !matches(record->delegate, delegatePatterns, patternCount)) {
      continue;
    }
    uint32_t code = TelvDeleteDelegate(connection->handle, record->entryId);
    if (code == 0) {
      std::printf("Delegate removed:  %s <- %s\n", record->delegator, record->delegate);
      ++removed;
    } else {
      std::printf("Can't remove delegate (%d): %s <- %s\n", static_cast<int>(code),
                  record->delegator, record->delegate);
    }
    std::fflush(stdout);
  }
  TelvCloseListHandle(list);
  std::printf("Delegates removed: %d\n", removed);
  std::fflush(stdout);
  return 0;
}

// Removes every delegation of the pair, as a replacing save must.
void removePair(uint32_t server, const char* delegator, const char* delegate) {
  uint32_t list = 0;
  if (TelvGetDelegateList(server, delegate, 0, 0, 0, &list) != 0) {
    return;
  }
  void* element = nullptr;
  for (uint32_t end = TelvListGetFirstElementPtr(list, &element); end == 0;
       end = TelvListGetNextElementPtr(list, &element)) {
    const TelvDelegateRecord* record = static_cast<const TelvDelegateRecord*>(element);
    if (strcasecmp(record->delegator, delegator) != 0 ||
        strcasecmp(record->delegate, delegate) != 0) {
      continue;
    }
    std::printf("Replace existing delegate: %s <- %s\n", delegator, delegate);
    std::fflush(stdout);
    uint32_t code = TelvDeleteDelegate(server, record->entryId);
    if (code != 0) {
      std::printf("Can't remove delegate (%d): %s <- %s\n", static_cast<int>(code),
                  record->delegator, record->delegate);
      std::fflush(stdout);
    }
  }
  TelvCloseListHandle(list);
}

int load(Connection* connection, const char* inputName) {
  std::FILE* input = std::fopen(inputName, "r");
  if (input == nullptr) {
    std::perror(inputName);
    return 4;
  }
  static char line[kLineSize];
  if (std::fgets(line, sizeof line, input) == nullptr || std::strncmp(line, "FORMAT 1", 8) != 0) {
    std::fprintf(stderr, "telvfloor: %s: not a listing file\n", inputName);
    return 4;
  }
  int lines = 1;
  int added = 0;
  int errors = 0;
  while (std::fgets(line, sizeof line, input) != nullptr) {
    ++lines;
    line[std::strcspn(line, "\n")] = '\0';
    TelvDelegateRecord record;
    std::memset(&record, 0, sizeof record);
    char delegator[81];
    char delegate[81];
    if (std::sscanf(line, "%x %x %x %x %x %80s %80s", &record.typeCode, &record.masks[0],
                    &record.masks[1], &record.masks[2], &record.masks[3], delegator,
                    delegate) != 7) {
      std::printf("Malformed delegate info: line %d: '%s'\n", lines, line);
      std::fflush(stdout);
      continue;
    }
    std::memcpy(record.delegator, delegator, strnlen(delegator, sizeof record.delegator - 1));
    std::memcpy(record.delegate, delegate, strnlen(delegate, sizeof record.delegate - 1));
    removePair(connection->handle, delegator, delegate);
    uint32_t code = TelvSaveDelegate(connection->handle, &record);
    if (code == 0) {
      ++added;
      std::printf("Delegate loaded: %s <- %s\n", record.delegator, record.delegate);
    } else {
      ++errors;
      std::printf("Can't load delegate info (%d): %s <- %s\n", static_cast<int>(code),
                  record.delegator, record.delegate);
    }
    std::fflush(stdout);
  }
  std::fclose(input);
  std::printf("\n");
  std::printf("Delegates added:%d, lines:%d errors:%d\n", added, lines, errors);
  std::fflush(stdout);
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: telvfloor fetch SERVER\n"
               "       telvfloor list SERVER [-l] [-o FILE] [PATTERN...]\n"
               "       telvfloor delete SERVER DELEGATOR DELEGATE...\n"
               "       telvfloor load SERVER FILE\n");
  return 255;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    return usage();
  }
  const char* mode = argv[1];
  char** rest = argv + 3;
  int restCount = argc - 3;
  bool isFetch = std::strcmp(mode, "fetch") == 0;
  bool isList = std::strcmp(mode, "list") == 0;
  bool isDelete = std::strcmp(mode, "delete") == 0 && restCount >= 2;
  bool isLoad = std::strcmp(mode, "load") == 0 && restCount == 1;
  if (!isFetch && !isList && !isDelete && !isLoad) {
    return usage();
  }
  bool longFormat = false;
  const char* outputName = nullptr;
  while (isList && restCount > 0 && rest[0][0] == '-') {
    if (std::strcmp(rest[0], "-l") == 0) {
      longFormat = true;
      ++rest;
      --restCount;
    } else if (std::strcmp(rest[0], "-o") == 0 && restCount >= 2) {
      outputName = rest[1];
      rest += 2;
      restCount -= 2;
    } else {
      return usage();
    }
  }

  Connection connection;
  if (!connectServer(argv[2], &connection)) {
    return 1;
  }
  int status = 0;
  if (isFetch) {
    status = fetch(&connection);
  } else if (isList) {
    status = list(&connection, longFormat, outputName, rest, restCount);
  } else if (isDelete) {
    status = deleteMatching(&connection, rest[0], rest + 1, restCount - 1);
  } else {
    status = load(&connection, rest[0]);
  }
  disconnectServer(&connection);
  return status;
}
