// Generated delegations for large test servers.
#ifndef EMULATOR_SEED_H_
#define EMULATOR_SEED_H_

#include <stdint.h>

#include <functional>

#include "delegation_rows.h"

// Hands count generated rows to emit, the same rows for the same seed on
// every platform. Users come from a pool of about count/8 people and
// offices, so each delegator has several delegates; some user IDs have
// exactly 21 characters, and a few per cent of the rows repeat an earlier
// pair, some of them with the delegator in other case.
void seedGenerate(uint64_t count, uint64_t seed,
                  const std::function<void(const DelegationRow&)>& emit);

#endif  // EMULATOR_SEED_H_
