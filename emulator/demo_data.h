// The delegations of the bundled sample server "demo".
#ifndef EMULATOR_DEMO_DATA_H_
#define EMULATOR_DEMO_DATA_H_

#include <vector>

#include "delegation_rows.h"

constexpr const char* kDemoServer = "demo";

// In the order they are stored, which is deliberately not sorted by either
// user, with one delegator stored twice in different case for one delegate.
std::vector<DelegationRow> demoRows();

#endif  // EMULATOR_DEMO_DATA_H_
