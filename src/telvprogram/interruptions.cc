#include "interruptions.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#endif

namespace {

int depth = 0;

#ifdef _WIN32

// The console's events arrive on a thread of their own. The unit under way
// holds this lock; the handler takes it, so it waits until the unit has
// ended, and then ends the process with the status Ctrl+C gives, keeping
// the lock so that no new unit begins meanwhile. Outside a unit it takes
// the lock at once: the run ends as it would have without the handler.
CRITICAL_SECTION unitLock;
bool handlerInstalled = false;

BOOL WINAPI onConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
      EnterCriticalSection(&unitLock);
      ExitProcess(STATUS_CONTROL_C_EXIT);
  }
  return FALSE;  // the system's own handling for anything else
}

void beginUnit() {
  if (!handlerInstalled) {
    InitializeCriticalSection(&unitLock);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    handlerInstalled = true;
  }
  EnterCriticalSection(&unitLock);
}

void endUnit() {
  LeaveCriticalSection(&unitLock);
}

#else

// Blocked signals stay pending; unblocking delivers them with the action
// they have, by default the end of the process, so the parent still sees
// the run ended by the signal. SIGPIPE is held too: a listener that went
// away mid-unit must not split it either.
sigset_t previousMask;

void beginUnit() {
  sigset_t held;
  sigemptyset(&held);
  sigaddset(&held, SIGINT);
  sigaddset(&held, SIGTERM);
  sigaddset(&held, SIGHUP);
  sigaddset(&held, SIGPIPE);
  sigprocmask(SIG_BLOCK, &held, &previousMask);
}

void endUnit() {
  sigprocmask(SIG_SETMASK, &previousMask, nullptr);
}

#endif

}  // namespace

void holdInterruptions() {
  if (depth++ == 0) {
    beginUnit();
  }
}

void releaseInterruptions() {
  if (depth > 0 && --depth == 0) {
    endUnit();
  }
}
