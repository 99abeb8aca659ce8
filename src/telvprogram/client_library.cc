#include "client_library.h"

#ifndef _WIN32

bool loadClientLibrary() {
  return true;
}

#else

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "console_output.h"
#include "telvwin32.h"

namespace {

const char kLibraryName[] = "TELVWIN32.dll";

// The calls, in the order of kCallNames.
enum Call {
  kGetApiVersion,
  kCreateServerHandle,
  kVersionCheck,
  kGetServerInfo2,
  kStringTelvErr,
  kCloseServerHandle,
  kGetDelegateList,
  kListSort,
  kListGetFirstElementPtr,
  kListGetNextElementPtr,
  kCloseListHandle,
  kDeleteDelegate,
  kSaveDelegate,
  kCallCount
};

// The names the DLL exports its calls by, those of telvwin32.def: plain
// names in either calling convention, as a DLL built from a module
// definition exports them.
const char* const kCallNames[kCallCount] = {
    "TelvGetAPIVersion",         "TelvCreateServerHandle", "TelvVersionCheck",
    "TelvGetServerInfo2",        "TelvStringTelvErr",      "TelvCloseServerHandle",
    "TelvGetDelegateList",       "TelvListSort",           "TelvListGetFirstElementPtr",
    "TelvListGetNextElementPtr", "TelvCloseListHandle",    "TelvDeleteDelegate",
    "TelvSaveDelegate"};

// The bytes of arguments each call takes on 32-bit x86, in the order of
// kCallNames. A __stdcall DLL built without a module definition exports its
// calls by decorated names that end in this count: "_Name@N" by one
// compiler, "Name@N" by another. Those are tried after the plain name, so
// the tool fits such a DLL as it is.
#if defined(_WIN32) && !defined(_WIN64) && !defined(TELVAPI_CDECL)
const int kArgumentBytes[kCallCount] = {0, 12, 12, 8, 12, 4, 24, 8, 8, 8, 4, 8, 8};
#endif

FARPROC calls[kCallCount];

// Looks a call up by its plain name and, where the convention decorates
// names, by its decorated ones; keeps the plain lookup's error when none
// is found.
FARPROC findCall(HMODULE library, int call) {
  FARPROC address = GetProcAddress(library, kCallNames[call]);
#if defined(_WIN32) && !defined(_WIN64) && !defined(TELVAPI_CDECL)
  if (address == nullptr) {
    DWORD error = GetLastError();
    char decorated[64];
    std::snprintf(decorated, sizeof decorated, "_%s@%d", kCallNames[call], kArgumentBytes[call]);
    address = GetProcAddress(library, decorated);
    if (address == nullptr) {
      address = GetProcAddress(library, decorated + 1);
    }
    SetLastError(error);
  }
#endif
  return address;
}

// The call as a pointer of the declared type, calling convention included.
// A program that makes a call before loading the library (a unit test) has
// it loaded then, and one that cannot have it ends as at its start. The
// detour through void (*)() is the cast the compiler accepts between
// unrelated function types.
template <typename Function>
Function callOf(Call call) {
  if (calls[call] == nullptr && !loadClientLibrary()) {
    std::exit(1);
  }
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(calls[call]));
}

// Prints "<what>: error <code>: <the system's text for it>".
void printFailure(const char* what, DWORD error) {
  char text[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, text, sizeof text, nullptr);
  // The system's texts end in a line end, which would split the line.
  while (length > 0 && std::strchr(" \r\n", text[length - 1]) != nullptr) {
    --length;
  }
  text[length] = '\0';
  printMessage("%s: error %lu: %s\n", what, static_cast<unsigned long>(error),
               length > 0 ? text : "no text for this error");
}

}  // namespace

bool loadClientLibrary() {
  HMODULE library = LoadLibraryA(kLibraryName);
  if (library == nullptr) {
    char what[64];
    std::snprintf(what, sizeof what, "Can't load %s", kLibraryName);
    printFailure(what, GetLastError());
    return false;
  }
  for (int call = 0; call < kCallCount; ++call) {
    calls[call] = findCall(library, call);
    if (calls[call] == nullptr) {
      DWORD error = GetLastError();
      char what[128];
      std::snprintf(what, sizeof what, "Can't find %s in %s", kCallNames[call], kLibraryName);
      printFailure(what, error);
      FreeLibrary(library);
      return false;
    }
  }
  return true;  // the library stays loaded until the process ends
}

// The calls as telvwin32.h declares them, each passing on to the DLL's own.
extern "C" {

uint32_t TELVAPI_CALL TelvGetAPIVersion(void) {
  return callOf<decltype(&TelvGetAPIVersion)>(kGetApiVersion)();
}

uint32_t TELVAPI_CALL TelvCreateServerHandle(const char* server, int32_t mode, uint32_t* error) {
  return callOf<decltype(&TelvCreateServerHandle)>(kCreateServerHandle)(server, mode, error);
}

uint32_t TELVAPI_CALL TelvVersionCheck(uint32_t server, uint32_t release, uint32_t flags) {
  return callOf<decltype(&TelvVersionCheck)>(kVersionCheck)(server, release, flags);
}

uint32_t TELVAPI_CALL TelvGetServerInfo2(uint32_t server, void* info) {
  return callOf<decltype(&TelvGetServerInfo2)>(kGetServerInfo2)(server, info);
}

void TELVAPI_CALL TelvStringTelvErr(uint32_t error, char* buffer, int32_t size) {
  callOf<decltype(&TelvStringTelvErr)>(kStringTelvErr)(error, buffer, size);
}

void TELVAPI_CALL TelvCloseServerHandle(uint32_t server) {
  callOf<decltype(&TelvCloseServerHandle)>(kCloseServerHandle)(server);
}

uint32_t TELVAPI_CALL TelvGetDelegateList(uint32_t server, const char* user, uint32_t a, uint32_t b,
                                          uint32_t c, uint32_t* list) {
  return callOf<decltype(&TelvGetDelegateList)>(kGetDelegateList)(server, user, a, b, c, list);
}

uint32_t TELVAPI_CALL TelvListSort(uint32_t list, TelvCompareFn compare) {
  return callOf<decltype(&TelvListSort)>(kListSort)(list, compare);
}

uint32_t TELVAPI_CALL TelvListGetFirstElementPtr(uint32_t list, void** element) {
  return callOf<decltype(&TelvListGetFirstElementPtr)>(kListGetFirstElementPtr)(list, element);
}

uint32_t TELVAPI_CALL TelvListGetNextElementPtr(uint32_t list, void** element) {
  return callOf<decltype(&TelvListGetNextElementPtr)>(kListGetNextElementPtr)(list, element);
}

void TELVAPI_CALL TelvCloseListHandle(uint32_t list) {
  callOf<decltype(&TelvCloseListHandle)>(kCloseListHandle)(list);
}

uint32_t TELVAPI_CALL TelvDeleteDelegate(uint32_t server, uint32_t entryId) {
  return callOf<decltype(&TelvDeleteDelegate)>(kDeleteDelegate)(server, entryId);
}

uint32_t TELVAPI_CALL TelvSaveDelegate(uint32_t server, TelvDelegateRecord* record) {
  return callOf<decltype(&TelvSaveDelegate)>(kSaveDelegate)(server, record);
}

}  // extern "C"

#endif  // _WIN32
