// The command line of telvdelegate: options, server name and user IDs,
// their combinations, and the usage text.
#ifndef TELVDELEGATE_ARGUMENTS_H_
#define TELVDELEGATE_ARGUMENTS_H_

// What one command line asks for. Every string points into argv.
struct Arguments {
  const char* serverName = nullptr;       // null when none was given
  const char* inputFileName = nullptr;    // value of -i; "-" is standard input
  const char* outputFileName = nullptr;   // value of -o; "-" is standard output
  const char* compareFileName = nullptr;  // value of -c; "-" is standard input
  const char* presetText = nullptr;       // attribute text of the add preset, or null
  bool deleteFlag = false;                // -d
  bool dryRun = false;                    // -n: report what would change, change nothing
  bool quiet = false;                     // -q: no line for each delegation changed
  bool longFormat = false;                // -l, or implied by -o
  const char* const* userIds = nullptr;   // what remains, null-terminated, possibly empty
  int userIdCount = 0;
};

// The message printed before the usage when the user asks for help, gives
// an unknown option or no server.
extern const char kUsageTitle[];

// Parses argv (argc entries followed by a null, as main receives them)
// into *arguments and checks the combinations. Returns null when the run
// may go on, or the message to print before the usage.
const char* parseArguments(int argc, char** argv, Arguments* arguments);

// Prints message (as text, never as a format), the usage, and flushes.
void printUsage(const char* message);

#endif  // TELVDELEGATE_ARGUMENTS_H_
