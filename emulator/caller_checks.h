// What the library sees of its caller's mistakes.
//
// The real library may forgive a caller that leaves lists open or calls in
// while its messages still sit in a buffer; a test against it would never
// notice. The emulator runs inside the caller's process, so it looks, and
// reports each such fault on standard error in one line that starts with
// kCallerFaultPrefix. The transcript runner fails a test on any such line.
#ifndef EMULATOR_CALLER_CHECKS_H_
#define EMULATOR_CALLER_CHECKS_H_

#include <stdint.h>

constexpr char kCallerFaultPrefix[] = "telvemu: caller fault: ";

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void reportCallerFault(const char* format, ...);

// Reports, once per process, a call made while standard output holds
// messages not yet written: a run killed then loses them, and an
// administrator watching a slow server would not see where it stands.
// Only where the C library tells how much a stream holds.
void checkCallerFlushed(const char* call);

// Reports every list handle of the server (0: of any server) that is still
// open; what is said says when.
void checkListsClosed(uint32_t server, const char* when);

#endif  // EMULATOR_CALLER_CHECKS_H_
