#include "telvemu_cli.h"

#include <stdio.h>

#include "delegation_rows.h"
#include "demo_data.h"
#include "fault_command.h"
#include "fault_table.h"
#include "latency.h"
#include "number_parse.h"
#include "record_codec.h"
#include "seed.h"
#include "server_files.h"
#include "store.h"
#include "text_table.h"

const char kTelvemuUsage[] =
    "usage: telvemu COMMAND ARGUMENTS\n"
    "  create SERVER                          make an empty server\n"
    "  remove SERVER                          delete a server\n"
    "  demo                                   (re)make the sample server 'demo'\n"
    "  add SERVER DELEGATOR DELEGATE [TYPE M1 M2 M3 M4]\n"
    "                                         add a delegation; hexadecimal values\n"
    "                                         default to 0002 0FFFFFFF 0 0 0\n"
    "  seed SERVER COUNT [SEED]               add COUNT generated delegations\n"
    "  dump SERVER                            print the delegations in storage order\n"
    "  faults SERVER                          print the latency and the faults set, as\n"
    "                                         'latency' and 'fault' take them\n"
    "  fault SERVER connect COUNT|all CODE [TEXT]\n"
    "  fault SERVER release CODE\n"
    "  fault SERVER info CODE\n"
    "  fault SERVER name NAME\n"
    "  fault SERVER list CODE [USER]\n"
    "  fault SERVER sort CODE\n"
    "  fault SERVER delete ENTRYID CODE\n"
    "  fault SERVER save DELEGATOR DELEGATE CODE [COUNT]\n"
    "  fault SERVER clear                     remove every fault\n"
    "  text SERVER CODE TEXT                  give error CODE the text TEXT\n"
    "  latency SERVER MILLISECONDS            make every call on the server take that\n"
    "                                         long, as across a slow network; 0: none\n"
    "CODE is decimal, possibly negative, or hexadecimal after 0x.\n"
    "Servers are kept in $TELVEMU_DIR (default $HOME/.telvemu).\n";

namespace {

// What a command got, with the streams to answer on.
struct Command {
  const std::vector<std::string>& args;
  std::ostream& out;
  std::ostream& err;
};

int usage(const Command& command, const std::string& problem) {
  command.err << "telvemu: " << problem << "\n" << kTelvemuUsage;
  return 2;
}

int failure(const Command& command, const std::string& message) {
  command.err << "telvemu: " << message << "\n";
  return 1;
}

bool wantArguments(const Command& command, size_t least, size_t most) {
  size_t count = command.args.size() - 1;
  return count >= least && count <= most;
}

// Opens the database of the server named by the command's first argument.
bool openServerStore(const Command& command, Store* store) {
  const std::string& name = command.args[1];
  std::string error;
  if (!serverOpen(name.c_str(), store, &error)) {
    failure(command, "server '" + name + "' does not exist");
    return false;
  }
  return true;
}

int databaseFailure(const Command& command, Store* store) {
  storeRollback(store);
  return failure(command, "database error: " + storeError(store));
}

int runCreate(const Command& command) {
  if (!wantArguments(command, 1, 1)) {
    return usage(command, "create takes SERVER");
  }
  std::string error;
  return serverCreate(command.args[1], &error) ? 0 : failure(command, error);
}

int runRemove(const Command& command) {
  if (!wantArguments(command, 1, 1)) {
    return usage(command, "remove takes SERVER");
  }
  std::string error;
  return serverRemove(command.args[1], &error) ? 0 : failure(command, error);
}

int runDemo(const Command& command) {
  if (!wantArguments(command, 0, 0)) {
    return usage(command, "demo takes no arguments");
  }
  std::string error;
  serverRemove(kDemoServer, &error);
  Store store;
  if (!serverCreate(kDemoServer, &error) || !serverOpen(kDemoServer, &store, &error)) {
    return failure(command, error);
  }
  if (!storeBeginWrite(&store)) {
    return databaseFailure(command, &store);
  }
  for (const DelegationRow& row : demoRows()) {
    if (!rowsInsert(&store, row, nullptr)) {
      return databaseFailure(command, &store);
    }
  }
  return storeCommit(&store) ? 0 : databaseFailure(command, &store);
}

int runAdd(const Command& command) {
  if (!wantArguments(command, 3, 3) && !wantArguments(command, 8, 8)) {
    return usage(command, "add takes SERVER DELEGATOR DELEGATE [TYPE M1 M2 M3 M4]");
  }
  DelegationRow row;
  row.type = 0x0002;
  row.masks[0] = 0x0FFFFFFF;
  if (command.args.size() == 9) {
    uint32_t* values[] = {&row.type, &row.masks[0], &row.masks[1], &row.masks[2], &row.masks[3]};
    for (int i = 0; i < 5; ++i) {
      const std::string& word = command.args[4 + i];
      if (!parseHex32(word, values[i])) {
        return usage(command, "bad hexadecimal value '" + word + "'");
      }
    }
  }
  row.delegator = command.args[2];
  row.delegate = command.args[3];
  for (const std::string* id : {&row.delegator, &row.delegate}) {
    // 22 characters fill the field without a NUL, which tests use to prove
    // that the tool never reads past a field.
    if (id->empty() || id->size() > kUserIdFieldSize) {
      return failure(command, "user ID '" + *id + "' must have 1 to 22 characters");
    }
  }
  Store store;
  if (!openServerStore(command, &store)) {
    return 1;
  }
  return rowsInsert(&store, row, nullptr) ? 0 : databaseFailure(command, &store);
}

int runSeed(const Command& command) {
  if (!wantArguments(command, 2, 3)) {
    return usage(command, "seed takes SERVER COUNT [SEED]");
  }
  uint64_t count = 0;
  uint64_t seed = 1;
  if (!parseDecimal(command.args[2], &count)) {
    return usage(command, "bad count '" + command.args[2] + "'");
  }
  if (command.args.size() == 4 && !parseDecimal(command.args[3], &seed)) {
    return usage(command, "bad seed '" + command.args[3] + "'");
  }
  Store store;
  if (!openServerStore(command, &store)) {
    return 1;
  }
  // Rows go in without the delegate index, which is then built in one
  // sort; the transaction hides both from every other process.
  if (!storeExec(&store, "PRAGMA cache_size=-131072") || !storeBeginWrite(&store) ||
      !storeExec(&store, "DROP INDEX delegations_by_delegate")) {
    return databaseFailure(command, &store);
  }
  bool stored = true;
  seedGenerate(count, seed, [&](const DelegationRow& row) {
    stored = stored && rowsInsert(&store, row, nullptr);
  });
  if (!stored || !storeExec(&store, kDelegateIndexSql) || !storeCommit(&store)) {
    return databaseFailure(command, &store);
  }
  return 0;
}

int runDump(const Command& command) {
  if (!wantArguments(command, 1, 1)) {
    return usage(command, "dump takes SERVER");
  }
  Store store;
  if (!openServerStore(command, &store)) {
    return 1;
  }
  char line[128];
  bool listed = rowsForEach(&store, nullptr, [&](const DelegationRow& row) {
    int size = snprintf(line, sizeof(line), "%u %04X %08X %08X %08X %08X ", row.id, row.type,
                        row.masks[0], row.masks[1], row.masks[2], row.masks[3]);
    command.out.write(line, size);
    command.out << row.delegator << ' ' << row.delegate << '\n';
  });
  return listed ? 0 : databaseFailure(command, &store);
}

int runFaults(const Command& command) {
  if (!wantArguments(command, 1, 1)) {
    return usage(command, "faults takes SERVER");
  }
  Store store;
  std::vector<Fault> faults;
  uint32_t latency = 0;
  if (!openServerStore(command, &store)) {
    return 1;
  }
  if (!latencyGet(&store, &latency) || !faultList(&store, &faults)) {
    return databaseFailure(command, &store);
  }
  if (latency != 0) {
    command.out << "latency " << latency << '\n';
  }
  for (const Fault& fault : faults) {
    command.out << faultFormat(fault) << '\n';
  }
  return 0;
}

int runFault(const Command& command) {
  if (command.args.size() < 3) {
    return usage(command, "fault takes SERVER KIND ...");
  }
  FaultRequest request;
  std::string problem;
  if (!parseFaultRequest(std::vector<std::string>(command.args.begin() + 2, command.args.end()),
                         &request, &problem)) {
    return usage(command, problem);
  }
  Store store;
  if (!openServerStore(command, &store)) {
    return 1;
  }
  return applyFaultRequest(&store, request) ? 0 : databaseFailure(command, &store);
}

int runText(const Command& command) {
  if (!wantArguments(command, 3, 3)) {
    return usage(command, "text takes SERVER CODE TEXT");
  }
  uint32_t code = 0;
  if (!parseCode(command.args[2], &code)) {
    return usage(command, "bad error code '" + command.args[2] + "'");
  }
  Store store;
  if (!openServerStore(command, &store)) {
    return 1;
  }
  return textSet(&store, code, command.args[3]) ? 0 : databaseFailure(command, &store);
}

int runLatency(const Command& command) {
  if (!wantArguments(command, 2, 2)) {
    return usage(command, "latency takes SERVER MILLISECONDS");
  }
  uint64_t milliseconds = 0;
  if (!parseDecimal(command.args[2], &milliseconds) || milliseconds > kMaxLatencyMs) {
    return usage(command, "bad latency '" + command.args[2] + "': 0 to " +
                              std::to_string(kMaxLatencyMs) + " milliseconds");
  }
  Store store;
  if (!openServerStore(command, &store)) {
    return 1;
  }
  return latencySet(&store, static_cast<uint32_t>(milliseconds)) ? 0
                                                                 : databaseFailure(command, &store);
}

struct CommandEntry {
  const char* name;
  int (*run)(const Command&);
};

constexpr CommandEntry kCommands[] = {
    {"create", runCreate}, {"remove", runRemove},   {"demo", runDemo},     {"add", runAdd},
    {"seed", runSeed},     {"dump", runDump},       {"faults", runFaults}, {"fault", runFault},
    {"text", runText},     {"latency", runLatency},
};

int runCommand(const Command& command) {
  if (command.args.empty()) {
    return usage(command, "missing command");
  }
  // Asked for, the usage is the answer, not an error.
  if (command.args.size() == 1 && (command.args[0] == "-h" || command.args[0] == "--help")) {
    command.out << kTelvemuUsage;
    return 0;
  }
  for (const CommandEntry& entry : kCommands) {
    if (command.args[0] == entry.name) {
      return entry.run(command);
    }
  }
  return usage(command, "unknown command '" + command.args[0] + "'");
}

}  // namespace

int runTelvemu(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Command command{args, out, err};
  int status = runCommand(command);
  // A dump cut short by a full disk must not pass for a whole one.
  if (!out.flush()) {
    int failed = failure(command, "can't write standard output");
    return status != 0 ? status : failed;
  }
  return status;
}
