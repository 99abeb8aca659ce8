// telvemu, the administration command of the emulated Telvane servers:
// makes servers, fills them, prints them, and sets the faults and error
// texts the client library then shows.
#ifndef EMULATOR_TELVEMU_CLI_H_
#define EMULATOR_TELVEMU_CLI_H_

#include <ostream>
#include <string>
#include <vector>

extern const char kTelvemuUsage[];

// Runs the command named by args (without the program name); -h or --help
// alone prints the usage on out. Returns the exit status: 0 done, 1 failed
// (message on err), 2 bad arguments (usage on err).
int runTelvemu(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

#endif  // EMULATOR_TELVEMU_CLI_H_
