// Messages on standard output, and what became of them.
//
// Every message of a run goes to standard output, flushed as it is
// written. A write that fails there (a full disk, an I/O error) must not
// pass for a run that reported everything, so each message goes through
// these functions, which remember the system's reason for the first
// failure; the program ends with it. A closed pipe is not such a failure:
// the reader went away, and the run ends as it always has then.
#ifndef TELVPROGRAM_CONSOLE_OUTPUT_H_
#define TELVPROGRAM_CONSOLE_OUTPUT_H_

#if defined(__GNUC__)
#define TELV_PRINTF_FORMAT(formatIndex, firstArgument) \
  __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define TELV_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// Prints a message on standard output and flushes it: every message but
// one is written this way.
void printMessage(const char* format, ...) TELV_PRINTF_FORMAT(1, 2);
// Prints without flushing: only for the client library's version line,
// which the next message, the server's name, always follows.
void printUnflushed(const char* format, ...) TELV_PRINTF_FORMAT(1, 2);

// Records that writing standard output failed with the system's error
// number, for writes made elsewhere (a listing on standard output). Only
// the first failure is kept.
void noteStandardOutputFailure(int error);

// On systems with file descriptors, opens a closed standard input, output
// or error on the null device, so that no file the program opens later
// takes the place of one of them and receives its messages. A standard
// output found closed counts as one that could not be written: the
// messages of the run went nowhere. A standard input found closed is
// remembered for standardInputWasClosed.
void openClosedStandardStreams();

// True when openClosedStandardStreams found standard input closed: it
// reads as empty now, and reading it as a listing would pass for a load
// of an empty file.
bool standardInputWasClosed();

// Ends the run's output: flushes standard output and, when writing it
// failed at any point, prints "Can't write standard output: ..." on
// standard error. Returns whether everything reached standard output.
bool finishStandardOutput();

#endif  // TELVPROGRAM_CONSOLE_OUTPUT_H_
