#include "arguments.h"

#include <cstdio>
#include <cstring>

#include "console_output.h"
#include "user_id_match.h"

const char kUsageTitle[] = "Manage in-box delegates on a Telvane server.\n";

namespace {

const char kProgramName[] = "telvdelegate";

// The add options and the permissions they grant, as attribute texts:
// type code, then masks 1 to 4.
struct PresetOption {
  const char* option;
  const char* attributes;
};
const PresetOption kPresetOptions[] = {
    {"-aa", "0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF"},  // all
    {"-ae", "0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9"},  // editor
    {"-an", "0002 00000000 00000000 00000000 00000000"},  // none
    {"-ao", "0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF"},  // owner
    {"-ar", "0002 0FFFFFFF 00000000 00000000 00000000"},  // reviewer
};

// The help forms are the one place where an option's case does not matter.
bool isHelpForm(const char* argument) {
  return compareNoCase(argument, "-?") == 0 || compareNoCase(argument, "/?") == 0 ||
         compareNoCase(argument, "-help") == 0 || compareNoCase(argument, "/help") == 0;
}

// Returns the attribute text of a preset option, or null.
const char* presetFor(const char* argument) {
  for (const PresetOption& preset : kPresetOptions) {
    if (std::strcmp(argument, preset.option) == 0) {
      return preset.attributes;
    }
  }
  return nullptr;
}

// Checks the combinations, in the order their messages take precedence.
const char* checkCombinations(const Arguments& arguments) {
  bool add = arguments.presetText != nullptr;
  bool input = arguments.inputFileName != nullptr;
  bool output = arguments.outputFileName != nullptr;
  if (add && (input || output || arguments.deleteFlag)) {
    return "Add (-a) cannot be used with any other option\n";
  }
  if (add && arguments.userIdCount < 2) {
    return "Add option (-a) requires delegator user-ID and one or more delegate names.\n";
  }
  if (arguments.deleteFlag && (input || output)) {
    return "Delete (-d) cannot be used with any other option\n";
  }
  if (arguments.deleteFlag && arguments.userIdCount < 2) {
    return "Delete option (-d) requires delegator user-ID and one or more delegate names.\n";
  }
  if (input && output) {
    return "Only one file option (-i or -o) can be specified\n";
  }
  if (arguments.serverName == nullptr) {
    return kUsageTitle;
  }
  return nullptr;
}

}  // namespace

const char* parseArguments(int argc, char** argv, Arguments* arguments) {
  *arguments = Arguments();
  int index = 1;
  for (; index < argc; ++index) {
    const char* argument = argv[index];
    if (isHelpForm(argument)) {
      return kUsageTitle;
    }
    if (argument[0] != '-') {
      break;  // the first argument that is not an option ends the options
    }
    bool hasValue = index + 1 < argc;
    const char* preset = presetFor(argument);
    if (preset != nullptr) {
      arguments->presetText = preset;
    } else if (std::strcmp(argument, "-d") == 0) {
      arguments->deleteFlag = true;
    } else if (std::strcmp(argument, "-n") == 0) {
      arguments->dryRun = true;
    } else if (std::strcmp(argument, "-q") == 0) {
      arguments->quiet = true;
    } else if (std::strcmp(argument, "-i") == 0 && hasValue) {
      arguments->inputFileName = argv[++index];
    } else if (std::strcmp(argument, "-l") == 0) {
      arguments->longFormat = true;
    } else if (std::strcmp(argument, "-o") == 0 && hasValue) {
      arguments->outputFileName = argv[++index];
      arguments->longFormat = true;
    } else if (std::strcmp(argument, "-s") == 0 && hasValue) {
      arguments->serverName = argv[++index];
    } else {
      return kUsageTitle;
    }
  }
  if (arguments->serverName == nullptr && index < argc) {
    arguments->serverName = argv[index++];
  }
  arguments->userIds = argv + index;
  arguments->userIdCount = argc > index ? argc - index : 0;
  return checkCombinations(*arguments);
}

void printUsage(const char* message) {
  // One call, so the text reaches standard output in one flush; the
  // message is an argument, never part of the format.
  printMessage(
      "%s\n"
      "usage:  %s [-option...] [-s] serverID [userID...]\n"
      "        %s [-option...] [-s] serverID userID delegateID...\n"
      "\n"
      "Options:\n"
      "    -s host     Telvane server name or IP address.\n"
      "    -aa         Add delegates with all permissions.\n"
      "    -ae         Add delegates with editor permissions.\n"
      "    -an         Add delegates with no permissions.\n"
      "    -ao         Add delegates with owner permissions.\n"
      "    -ar         Add delegates with reviewer permissions.\n"
      "    -d          Delete delegates.\n"
      "    -n          Dry run: show what would change, change nothing.\n"
      "    -q          Quiet: only failures and totals, no line per delegate.\n"
      "    -l          Long (verbose) format.\n"
      "    -i file     Input file to load.\n"
      "    -o file     Output file (default is standard output).\n"
      "\n"
      "If no delegator user-IDs are specified, a list of all delegates is printed.\n"
      "User names may contain '?' and '*' wildcard characters.\n"
      "Adding (-a) or deleting (-d) delegates requires both a delegator and a\n"
      "delegatee user-ID.\n"
      "An input file (-i) to load must be the output file (-o) from a previous run.\n",
      message, kProgramName, kProgramName);
}
