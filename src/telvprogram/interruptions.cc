#include "interruptions.h"

#include <cassert>

#ifdef _WIN32
#include <windows.h>
#else
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
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
// run that leaves it and takes it again at once can keep the handler
// waiting. So the end of a unit looks at it and ends the run itself, and a
// walk made one unit (a delete's) looks at it between its steps.
volatile LONG interruptRequested = 0;

// A unit's report line that waits on its reader (a pipe nobody reads, a
// console paused by a selection) would keep the handler waiting too. So
// while it waits, the handler cancels the main thread's write, which then
// fails and is given up. Only that write: the library's own file and
// network calls must run to their end. reportWrite tells where the main
// thread is: 0 outside a report line, 1 writing one, 2 while the handler
// cancels it; the main thread does not leave the line in state 2, so a
// cancel never lands on a call that follows the line.
HANDLE mainThread = nullptr;
volatile LONG reportWrite = 0;

BOOL WINAPI onConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
      InterlockedExchange(&interruptRequested, 1);
      // Cancelled again and again: a cancel that comes just before the
      // write begins finds nothing to cancel.
      while (!TryEnterCriticalSection(&unitLock)) {
        if (mainThread != nullptr && InterlockedCompareExchange(&reportWrite, 2, 1) == 1) {
          CancelSynchronousIo(mainThread);
          InterlockedExchange(&reportWrite, 1);
        }
        Sleep(10);
      }
      ExitProcess(STATUS_CONTROL_C_EXIT);
  }
  return FALSE;  // the system's own handling for anything else
}

void installHandlers() {
  InitializeCriticalSection(&unitLock);
  // GetCurrentThread is a pseudo handle, meaning whichever thread uses it.
  mainThread = OpenThread(THREAD_TERMINATE, FALSE, GetCurrentThreadId());
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

bool interruptRequestedNow() {
  return InterlockedCompareExchange(&interruptRequested, 0, 0) != 0;
}

void markReportLine() {
  InterlockedExchange(&reportWrite, 1);
}

void unmarkReportLine() {
  while (InterlockedCompareExchange(&reportWrite, 0, 1) == 2) {
    Sleep(0);  // the handler's cancel is under way
  }
}

void beginUnit() {
  EnterCriticalSection(&unitLock);
}

void endUnit() {
  if (interruptRequestedNow()) {
    ExitProcess(STATUS_CONTROL_C_EXIT);  // still holding the lock: no unit follows
  }
  LeaveCriticalSection(&unitLock);
}

#else

// Every signal whose default action ends the process and that a handler
// can catch. The real-time signals, which end the process too, are added
// where the system has them; so are the fault signals below.
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

// The signals that report a fault of the program itself. Holding one that
// the system raised for a fault would hide a crash, and returning from its
// handler would only meet the fault again; nor may the program's own abort
// wait. Such a one ends the run at once, by its default action. Sent by
// another program, as kill sends any signal, one is held like the rest.
const int kFaultSignals[] = {
    SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGSEGV, SIGSYS, SIGTRAP,
#ifdef SIGEMT
    SIGEMT,
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

void addHeldSignals(sigset_t* set) {
  sigemptyset(set);
  for (int sig : kHeldSignals) {
    sigaddset(set, sig);
  }
  for (int sig : kFaultSignals) {
    sigaddset(set, sig);
  }
#ifdef SIGRTMIN
  for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) {
    sigaddset(set, sig);
  }
#endif
}

// Once a signal is held, standard output becomes an open file of the run's
// own on the same pipe, FIFO or terminal, opened anew by name and
// non-blocking: a write to it that would wait for a reader (a full pipe,
// a terminal stopped with Ctrl+S) fails with EAGAIN, and the line is given
// up. The flags of the open file standard output had are never changed:
// the shell and every other program on that terminal or pipe share them,
// and a SIGKILL could come before any change was undone. A write already
// waiting when the signal comes restarts after the handler, on the new
// file, and fails there; the library's calls restart and run on as
// before. The failed write is noted as any other, but the run ends by the
// signal when the unit ends, before a status is made of it. A regular
// file never waits; a socket cannot be opened by name: there, as where no
// new file can be opened, the unit waits for its lines.
void stopWaitingOnOutput() {
  struct stat status;
  struct termios terminal;
  if (fstat(STDOUT_FILENO, &status) != 0 ||
      !(S_ISFIFO(status.st_mode) ||
        (S_ISCHR(status.st_mode) && tcgetattr(STDOUT_FILENO, &terminal) == 0))) {
    return;
  }
  int own = open("/proc/self/fd/1", O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (own != -1) {
    dup2(own, STDOUT_FILENO);
    close(own);
  }
}

bool isFaultSignal(int sig) {
  for (int fault : kFaultSignals) {
    if (sig == fault) {
      return true;
    }
  }
  return false;
}

// Whether another process sent the signal: kill, sigqueue or a signal to
// one of this process's threads (the kernel's own have codes above 0).
// The program's own abort or raise is not another process.
bool sentByAnotherProcess(const siginfo_t* info) {
  bool sent = info->si_code == SI_USER || info->si_code == SI_QUEUE;
#ifdef SI_TKILL
  sent = sent || info->si_code == SI_TKILL;
#endif
  return sent && info->si_pid != getpid();
}

// Ends the process by sig, as if no handler had been installed. Within a
// handler, sig is blocked: the process ends as soon as the handler
// returns.
void endBySignal(int sig) {
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(sig, &action, nullptr);
  raise(sig);
}

void onInterruption(int sig, siginfo_t* info, void*) {
  int savedErrno = errno;
  if (isFaultSignal(sig) && !sentByAnotherProcess(info)) {
    endBySignal(sig);
  } else if (!inUnit) {
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
  action.sa_sigaction = onInterruption;
  // Each handler runs with every held signal blocked, so that the first
  // one's handler finishes before any other is looked at.
  addHeldSignals(&action.sa_mask);
  // Calls under way in the library go on as if nothing had arrived.
  action.sa_flags = SA_RESTART | SA_SIGINFO;
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

bool interruptRequestedNow() {
  return heldSignal != 0;
}

void markReportLine() {}

void unmarkReportLine() {}

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

InterruptionHold::InterruptionHold() {
  if (depth++ == 0) {
    beginUnit();
  }
}

InterruptionHold::~InterruptionHold() {
  assert(depth > 0 && "a hold released that was never made");
  if (--depth == 0) {
    endUnit();
  }
}

bool interruptionHeld() {
  return interruptRequestedNow();
}

void beginReportLine() {
  markReportLine();
}

void endReportLine() {
  unmarkReportLine();
}
