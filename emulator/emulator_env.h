// Where the emulated servers live and how the emulator is tuned.
//
// The environment is the emulator's only configuration; every value is read
// at the moment it is needed, so a test may change it between calls.
//
//   TELVEMU_DIR          Folder holding one SQLite database per server, named
//                        <server>.db with the server name folded to ASCII
//                        lower case. Default: $HOME/.telvemu, or .telvemu in
//                        the current folder when HOME is unset. telvemu
//                        creates it when it creates a server. A name that is
//                        empty, holds '/' or '\', or starts with '.' is never
//                        a server.
//   TELVEMU_SLEEP        Unset, empty or not a decimal number: Sleep(ms)
//                        waits for real. A decimal number N: each Sleep waits
//                        at most N ms, so 0 skips every wait.
//   TELVEMU_SLEEP_LOG    When set, each Sleep(ms) appends the line
//                        "Sleep(<ms>)" to this file, whether it waits or not.
//   TELVEMU_API_VERSION  When set to a decimal number, TelvGetAPIVersion
//                        returns it instead of the built-in version.
#ifndef EMULATOR_EMULATOR_ENV_H_
#define EMULATOR_EMULATOR_ENV_H_

#include <stdint.h>

#include <string>

// 2008-12-06 00:00:00 UTC, the release date the library reports by default.
constexpr uint32_t kBuiltInApiVersion = 1228521600;

// The folder of the server databases.
std::string envServerDir();

// The database file of a server; false when the name can never be a server.
bool envServerDatabasePath(const char* serverName, std::string* path);

// The longest real wait of one Sleep; false when Sleep waits in full.
bool envSleepLimit(uint32_t* limitMs);

// The file Sleep logs to, or null.
const char* envSleepLog();

// The version TelvGetAPIVersion reports.
uint32_t envApiVersion();

#endif  // EMULATOR_EMULATOR_ENV_H_
