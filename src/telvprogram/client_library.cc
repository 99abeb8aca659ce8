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

// The calls, in the order of the interface's list.
enum Call {
#define TELVAPI_ENUMERATE(result, name, parameters, arguments) k##name,
  TELVAPI_CALLS(TELVAPI_ENUMERATE)
#undef TELVAPI_ENUMERATE
      kCallCount
};

// The names the DLL exports its calls by: plain names in either calling
// convention, as a DLL built from a module definition exports them.
const char* const kCallNames[kCallCount] = {
#define TELVAPI_NAME(result, name, parameters, arguments) #name,
    TELVAPI_CALLS(TELVAPI_NAME)
#undef TELVAPI_NAME
};

// The bytes of arguments each call takes on 32-bit x86, where each
// argument fills a whole number of 4-byte slots. A __stdcall DLL built
// without a module definition exports its calls by decorated names that
// end in this count: "_Name@N" by one compiler, "Name@N" by another.
// Those are tried after the plain name, so the tool fits such a DLL as it
// is.
#if defined(_WIN32) && !defined(_WIN64) && !defined(TELVAPI_CDECL)
template <typename Result, typename... Arguments>
constexpr int argumentBytes(Result(TELVAPI_CALL*)(Arguments...)) {
  return (0 + ... + static_cast<int>((sizeof(Arguments) + 3) / 4 * 4));
}

const int kArgumentBytes[kCallCount] = {
#define TELVAPI_BYTES(result, name, parameters, arguments) argumentBytes(&name),
    TELVAPI_CALLS(TELVAPI_BYTES)
#undef TELVAPI_BYTES
};
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
// A call of no result returns the void of the DLL's, which C++ allows.
extern "C" {
#define TELVAPI_FORWARD(result, name, parameters, arguments) \
  result TELVAPI_CALL name parameters {                      \
    return callOf<decltype(&name)>(k##name) arguments;       \
  }
TELVAPI_CALLS(TELVAPI_FORWARD)
#undef TELVAPI_FORWARD
}  // extern "C"

#endif  // _WIN32
