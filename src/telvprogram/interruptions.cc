#include "interruptions.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace {

int depth = 0;

#ifdef _WIN32

// The console's events arrive on a thread of their own. The unit under way
// holds this lock; the handler takes it, so it waits until the unit has
// ended, and then ends the process with the status Ctrl+C gives, keeping
// the lock so that no new unit begins meanwhile. Outside a unit it takes
// the lock at once, so that every event ends the run with that status,
// whenever it comes.
CRITICAL_SECTION unitLock;
// Set by the handler before it waits. A critical section is not fair: a
// walk that leaves it and takes it again at once, as a delete does, can
// keep the handler waiting until the walk is over. So the walk looks at
// the end of each unit and ends the run itself.
volatile LONG interruptRequested = 0;

BOOL WINAPI onConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
      InterlockedExchange(&interruptRequested, 1);
      EnterCriticalSection(&unitLock);
      ExitProcess(STATUS_CONTROL_C_EXIT);
  }
  return FALSE;  // the system's own handling for anything else
}

void installHandlers() {
  InitializeCriticalSection(&unitLock);
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

void beginUnit() {
  EnterCriticalSection(&unitLock);
}

void endUnit() {
  if (InterlockedCompareExchange(&interruptRequested, 0, 0) != 0) {
    ExitProcess(STATUS_CONTROL_C_EXIT);  // still holding the lock: no unit follows
  }
  LeaveCriticalSection(&unitLock);
}

#else

// Every signal whose default action ends the process and that a handler
// can catch. Left out are those that report a fault of the program itself
// (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP, SIGSYS, SIGABRT, SIGEMT):
// holding one would hide a crash, and returning from its handler would
// only meet the fault again. The real-time signals, which end the process
// too, are added where the system has them.
const int kHeldSignals[] = {
    SIGHUP,    SIGINT,  SIGQUIT,   SIGPIPE, SIGALRM, SIGTERM,
    SIGUSR1,   SIGUSR2, SIGVTALRM, SIGXCPU, SIGXFSZ,
#ifdef SIGPROF
    SIGPROF,
#endif
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#if defined(SIGPWR) && defined(__linux__)
    SIGPWR,  // ignored by default on the other systems that have it
#endif
};

// A unit is too short and too frequent (one per removed delegation) to
// pay two system calls for masking signals around it. Instead a handler
// is installed for each held signal as the run starts; a unit is then a
// flag. The handler ends the process at once outside a unit, by the
// signal's own default action, so the parent sees the run ended by the
// signal; inside one it notes the signal, and the end of the unit delivers
// it. SIGPIPE is held too: a listener that went away mid-unit must not
// split it either; the write that met the closed pipe fails with EPIPE as
// it would without the handler.
volatile sig_atomic_t inUnit = 0;
volatile sig_atomic_t heldSignal = 0;
// Whether the handler made standard output non-blocking, to be undone
// before the process ends: others may share the open file.
volatile sig_atomic_t outputMadeNonBlocking = 0;

void addHeldSignals(sigset_t* set) {
  sigemptyset(set);
  for (int sig : kHeldSignals) {
    sigaddset(set, sig);
  }
#ifdef SIGRTMIN
  for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) {
    sigaddset(set, sig);
  }
#endif
}

// A write to standard output that waits for a reader (a full pipe, a
// terminal stopped with Ctrl+S) restarts after the handler; once the file
// is non-blocking, it fails with EAGAIN instead, and the line is given up.
// The library's calls restart and run on as before. The failed write is
// noted as any other, but the run ends by the signal when the unit ends,
// before a status is made of it.
void stopWaitingOnOutput() {
  int flags = fcntl(STDOUT_FILENO, F_GETFL);
  if (flags != -1 && (flags & O_NONBLOCK) == 0 &&
      fcntl(STDOUT_FILENO, F_SETFL, flags | O_NONBLOCK) == 0) {
    outputMadeNonBlocking = 1;
  }
}

// Ends the process by sig, as if no handler had been installed. Within a
// handler, sig is blocked: the process ends as soon as the handler
// returns.
void endBySignal(int sig) {
  if (outputMadeNonBlocking) {
    int flags = fcntl(STDOUT_FILENO, F_GETFL);
    if (flags != -1) {
      fcntl(STDOUT_FILENO, F_SETFL, flags & ~O_NONBLOCK);
    }
  }
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(sig, &action, nullptr);
  raise(sig);
}

void onInterruption(int sig) {
  int savedErrno = errno;
  if (!inUnit) {
    // Outside a unit, or just past its end with a signal held. The first
    // signal decides, even when another one is delivered before it.
    if (heldSignal == 0) {
      heldSignal = sig;
    }
    endBySignal(heldSignal);
  } else if (heldSignal == 0) {
    heldSignal = sig;
    stopWaitingOnOutput();
  }
  errno = savedErrno;
}

void installHandlers() {
  struct sigaction action = {};
  action.sa_handler = onInterruption;
  // Each handler runs with every held signal blocked, so that the first
  // one's handler finishes before any other is looked at.
  addHeldSignals(&action.sa_mask);
  // Calls under way in the library go on as if nothing had arrived.
  action.sa_flags = SA_RESTART;
  for (int sig = 1; sig < NSIG; ++sig) {
    struct sigaction current;
    if (sigismember(&action.sa_mask, sig) != 1 || sigaction(sig, nullptr, &current) != 0 ||
        current.sa_handler != SIG_DFL) {
      continue;  // not held, or ignored (or handled) as the run was started
    }
    sigaction(sig, &action, nullptr);
  }
}

void beginUnit() {
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

void watchInterruptions() {
  installHandlers();
}

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
