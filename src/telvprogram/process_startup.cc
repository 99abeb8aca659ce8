#include "process_startup.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "interruptions.h"

void prepareProcess() {
#ifdef _WIN32
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
#endif
  watchInterruptions();
}
