// The blocking wait the tool uses between connection attempts. Windows has it
// built in; here the client library exports it, so that tests can shorten
// and record the waits (TELVEMU_SLEEP, TELVEMU_SLEEP_LOG).
#ifndef EMULATOR_SLEEP_H_
#define EMULATOR_SLEEP_H_

#include <stdint.h>

extern "C" void Sleep(uint32_t ms);

#endif  // EMULATOR_SLEEP_H_
