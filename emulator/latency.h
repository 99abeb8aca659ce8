// How long every call of the library on a server takes: a server across a
// slow network, so that anyone can see the tool against one. Kept in the
// server's database beside its faults, so that it holds in every process
// that connects, until changed.
#ifndef EMULATOR_LATENCY_H_
#define EMULATOR_LATENCY_H_

#include <stdint.h>

#include "store.h"

// The most a call may be made to take: a minute, already far slower than
// any network the tool meets.
constexpr uint32_t kMaxLatencyMs = 60000;

// Sets the time each call takes, in milliseconds; 0 for none.
bool latencySet(Store* store, uint32_t milliseconds);

// The time each call takes; 0 when none was set.
bool latencyGet(Store* store, uint32_t* milliseconds);

// Waits that long in the calling thread.
void latencyWait(uint32_t milliseconds);

#endif  // EMULATOR_LATENCY_H_
