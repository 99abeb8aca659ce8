#include "console_output.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <stdlib.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "interruptions.h"

namespace {

int firstError = 0;
bool inputWasClosed = false;

// The reason of a failed call, when it left one.
int currentError() {
  return errno != 0 ? errno : EIO;
}

// Whether a failed write met a pipe whose reader has gone. The C runtime
// of Windows, which has no SIGPIPE, calls that EINVAL; the system's own
// code, which it keeps beside errno, tells it from a real failure.
bool readerWentAway(int error) {
#ifdef _WIN32
  if (error == EINVAL && (_doserrno == ERROR_NO_DATA || _doserrno == ERROR_BROKEN_PIPE ||
                          _doserrno == ERROR_PIPE_NOT_CONNECTED)) {
    return true;
  }
#endif
  return error == EPIPE;
}

void printArguments(const char* format, va_list arguments) TELV_PRINTF_FORMAT(1, 0);

void printArguments(const char* format, va_list arguments) {
  errno = 0;
  if (std::vfprintf(stdout, format, arguments) < 0) {
    noteStandardOutputFailure(currentError());
  }
}

void flushMessages() {
  errno = 0;
  if (std::fflush(stdout) != 0) {
    noteStandardOutputFailure(currentError());
  }
}

}  // namespace

void printMessage(const char* format, ...) {
  // A line of a unit, written while an interruption waits, may be given up.
  beginReportLine();
  va_list arguments;
  va_start(arguments, format);
  printArguments(format, arguments);
  va_end(arguments);
  flushMessages();
  endReportLine();
}

void printUnflushed(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  printArguments(format, arguments);
  va_end(arguments);
}

void noteStandardOutputFailure(int error) {
  // A reader that went away is not a failure of the output: where the
  // closed pipe does not end the process, the run goes on as before.
  if (readerWentAway(error)) {
    return;
  }
  if (firstError == 0) {
    firstError = error;
  }
}

void openClosedStandardStreams() {
#ifndef _WIN32
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
      continue;
    }
    if (fd == 0) {
      inputWasClosed = true;
    } else if (fd == 1) {
      noteStandardOutputFailure(EBADF);
    }
    // open gives the lowest free descriptor, which is this one.
    int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened != -1 && opened != fd) {
      close(opened);
    }
  }
#endif
}

bool standardInputWasClosed() {
  return inputWasClosed;
}

bool finishStandardOutput() {
  flushMessages();
  if (firstError == 0) {
    return true;
  }
  std::fprintf(stderr, "Can't write standard output: %s\n", std::strerror(firstError));
  std::fflush(stderr);
  return false;
}
