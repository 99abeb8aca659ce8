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

// A unit is too short and too frequent (one per removed delegation) to
// pay two system calls for masking signals around it. Instead, the first
// unit installs a handler for each interruption that would end the
// process; a unit is then a flag. The handler ends the process at once
// outside a unit, by the signal's own default action, so the parent sees
// the run ended by the signal; inside one it notes the signal, and the end
// of the unit delivers it. An interruption the run was started to ignore
// stays ignored. SIGPIPE is held too: a listener that went away mid-unit
// must not split it either; the write that met the closed pipe fails
// with EPIPE as it would without the handler.
const int kHeldSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

volatile sig_atomic_t inUnit = 0;
volatile sig_atomic_t heldSignal = 0;
bool handlersInstalled = false;

// Ends the process by sig, as if no handler had been installed.
void endBySignal(int sig) {
  signal(sig, SIG_DFL);
  raise(sig);
}

void onInterruption(int sig) {
  if (inUnit) {
    heldSignal = sig;
  } else {
    // sig is blocked while its handler runs: the process ends as soon as
    // the handler returns.
    endBySignal(sig);
  }
}

void installHandlers() {
  for (int sig : kHeldSignals) {
    struct sigaction current;
    if (sigaction(sig, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) {
      continue;
    }
    struct sigaction action = {};
    action.sa_handler = onInterruption;
    sigemptyset(&action.sa_mask);
    for (int other : kHeldSignals) {
      sigaddset(&action.sa_mask, other);
    }
    // Calls under way in the library go on as if nothing had arrived.
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
  }
  handlersInstalled = true;
}

void beginUnit() {
  if (!handlersInstalled) {
    installHandlers();
  }
  inUnit = 1;
}

void endUnit() {
  inUnit = 0;
  // A signal arriving from here on ends the process in its handler.
  int sig = heldSignal;
  if (sig != 0) {
    endBySignal(sig);
  }
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
