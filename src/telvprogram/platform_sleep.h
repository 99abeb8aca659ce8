// The blocking wait between connection attempts.
//
// On Windows it is the platform's own Sleep. Elsewhere the stand-in client
// library exports a function of the same name and signature, so the
// connection code calls Sleep alike on every platform.
#ifndef TELVPROGRAM_PLATFORM_SLEEP_H_
#define TELVPROGRAM_PLATFORM_SLEEP_H_

#ifdef _WIN32
#include <windows.h>
#else
#include <stdint.h>
extern "C" void Sleep(uint32_t ms);
#endif

#endif  // TELVPROGRAM_PLATFORM_SLEEP_H_
