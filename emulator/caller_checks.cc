#include "caller_checks.h"

#include <stdarg.h>
#include <stdio.h>

#include <atomic>
#include <vector>

#include "handle_table.h"

#if defined(__has_include)
#if __has_include(<stdio_ext.h>)
#include <stdio_ext.h>
#define TELVEMU_HAS_FPENDING 1
#endif
#endif

namespace {

std::atomic<bool> unflushedReported{false};

// A process that ends with lists open never closed them: looked at once
// the process ends, after everything the caller did.
struct ListsAtExit {
  ~ListsAtExit() { checkListsClosed(0, "as the process ends"); }
} listsAtExit;

}  // namespace

void reportCallerFault(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  fputs(kCallerFaultPrefix, stderr);
  vfprintf(stderr, format, arguments);
  fputc('\n', stderr);
  fflush(stderr);
  va_end(arguments);
}

void checkCallerFlushed(const char* call) {
#ifdef TELVEMU_HAS_FPENDING
  // After a write that failed the stream holds nothing it can still send;
  // the caller learns of that failure by itself.
  size_t pending = __fpending(stdout);
  if (pending == 0 || ferror(stdout) || unflushedReported.exchange(true)) {
    return;
  }
  reportCallerFault("%s called with %zu bytes of standard output not yet flushed", call, pending);
#else
  (void)call;
#endif
}

void checkListsClosed(uint32_t server, const char* when) {
  for (const OpenListHandle& list : handleOpenLists(server)) {
    reportCallerFault("list handle %u of server handle %u still open %s", list.list, list.server,
                      when);
  }
}
