// telvdelegate: lists, adds, deletes and loads the in-box delegations of a
// Telvane fax server.
//
// One run does one operation: it parses the command line, opens the
// streams, connects, runs the operation, disconnects. Every message goes to
// standard output, flushed as it is written, so that an administrator
// watching a slow server sees where it stands.

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "arguments.h"
#include "client_library.h"
#include "console_output.h"
#include "delegate_tool.h"
#include "process_startup.h"
#include "store_preview.h"

namespace {

const char kTitle[] = "TelvDelegate - Manage in-box delegates on a Telvane server";
const char kRelease[] = "1.0";
const char kBuildText[] = "Built: " __DATE__;

// How a run ended, in the order the outcomes take precedence: where several
// apply, the first wins. A run that did not start says so before anything
// the run did, and a listing or input that failed says more than the
// operation's own reports, which it cut short or made worthless. A run
// left unattended sees nothing but the exit status, so every failure the
// run reports shows in it.
enum class Outcome {
  kUsage,
  kNoConnection,          // or the client library could not be loaded
  kOutputFileFailed,      // the listing file could not be opened or written whole
  kStandardOutputFailed,  // standard output could not be written at some point
  kInputFailed,           // the input could not be opened or read
  kOperationFailed,       // the operation reported a failure
  kDifferent,             // a comparison found differences
  kDone,                  // the operation ran and reported no failure
};

// The exit statuses; several outcomes may share one.
const int kExitDone = 0;
const int kExitNoConnection = 1;
const int kExitOperationFailed = 2;
const int kExitOutputFailed = 3;
const int kExitInputFailed = 4;
const int kExitDifferent = 5;
const int kExitUsage = 255;

int exitStatusOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::kUsage:
      return kExitUsage;
    case Outcome::kNoConnection:
      return kExitNoConnection;
    case Outcome::kOutputFileFailed:
    case Outcome::kStandardOutputFailed:
      return kExitOutputFailed;
    case Outcome::kInputFailed:
      return kExitInputFailed;
    case Outcome::kOperationFailed:
      return kExitOperationFailed;
    case Outcome::kDifferent:
      return kExitDifferent;
    case Outcome::kDone:
      break;
  }
  return kExitDone;
}

Outcome precedingOutcome(Outcome a, Outcome b) {
  return a < b ? a : b;
}

// Listing files are text. On Windows "t" asks for text mode whatever the
// program's default, so that lines end in CR LF on disk and in one newline
// in memory; elsewhere the two are the same and the letter is not needed.
#ifdef _WIN32
const char kReadText[] = "rt";
const char kWriteText[] = "wt";
#else
const char kReadText[] = "r";
const char kWriteText[] = "w";
#endif

void printBanner() {
  printMessage("%s\nVersion %s [%s]\n\n", kTitle, kRelease, kBuildText);
}

bool isStandardStream(const char* fileName) {
  return std::strcmp(fileName, "-") == 0;
}

// The files of a run: opened before the server is tried, lent to the tool
// for the operation, and closed once it is over, in closeRunFiles alone.
struct RunFiles {
  std::FILE* input = nullptr;        // the listing to load, standard input, or none
  std::FILE* output = stdout;        // a listing file of ours, or standard output
  const char* outputName = nullptr;  // the listing file's name, when it is one of ours
};

// Opens a named input file for reading. Some systems open a directory
// without complaint and fail only at the first read, so that a load of one
// would pass for a load of an empty file. Reading the first character here
// turns that, and any other file that cannot be read, into the failure to
// open it that it is. Returns null with errno set on failure.
std::FILE* openInputFile(const char* fileName) {
  std::FILE* input = std::fopen(fileName, kReadText);
  if (input == nullptr) {
    return nullptr;
  }
  // The load reads the file's descriptor in blocks of its own; the stream
  // must hold nothing but the character put back here.
  std::setvbuf(input, nullptr, _IONBF, 0);
  errno = 0;
  int first = std::getc(input);
  if (first == EOF && std::ferror(input)) {
    int error = errno != 0 ? errno : EIO;
    std::fclose(input);
    errno = error;
    return nullptr;
  }
  if (first != EOF) {
    std::ungetc(first, input);
  }
  return input;
}

// Opens the input, then the output: the output file is created, or
// emptied, before the server is tried. Reports a file that cannot be
// opened; whatever was opened is in *files either way.
Outcome openRunFiles(const Arguments& arguments, RunFiles* files) {
  // A file to load and a file to compare are read alike.
  const char* inputName =
      arguments.inputFileName != nullptr ? arguments.inputFileName : arguments.compareFileName;
  if (inputName != nullptr) {
    if (!isStandardStream(inputName)) {
      files->input = openInputFile(inputName);
    } else if (standardInputWasClosed()) {
      errno = EBADF;  // it reads as the null device now: no input at all
    } else {
      files->input = stdin;
      std::setvbuf(stdin, nullptr, _IONBF, 0);  // as for a named file
    }
    if (files->input == nullptr) {
      printMessage("Can't open/read input file: %s: %s\n", inputName, std::strerror(errno));
      return Outcome::kInputFailed;
    }
  }
  if (arguments.outputFileName != nullptr && !isStandardStream(arguments.outputFileName)) {
    std::FILE* output = std::fopen(arguments.outputFileName, kWriteText);
    if (output == nullptr) {
      printMessage("Can't open/write output file: %s: %s\n", arguments.outputFileName,
                   std::strerror(errno));
      return Outcome::kOutputFileFailed;
    }
    files->output = output;
    files->outputName = arguments.outputFileName;
  }
  return Outcome::kDone;
}

// Closes the run's files; standard output stays open until the process
// ends. A listing that did not reach the disk whole (a full disk, a
// failing device) is reported, with the reason of the first write that
// failed, which the tool kept: by the time the stream is closed the C
// library no longer says why.
Outcome closeRunFiles(RunFiles* files, int outputError) {
  if (files->input != nullptr) {
    std::fclose(files->input);
    files->input = nullptr;
  }
  if (files->outputName == nullptr) {
    return Outcome::kDone;
  }
  int error = outputError;
  if (std::fflush(files->output) != 0 && error == 0) {
    error = errno;
  }
  if (std::ferror(files->output) && error == 0) {
    error = EIO;
  }
  if (std::fclose(files->output) != 0 && error == 0) {
    error = errno;
  }
  files->output = stdout;
  if (error == 0) {
    return Outcome::kDone;
  }
  printMessage("Can't write output file: %s: %s\n", files->outputName, std::strerror(error));
  return Outcome::kOutputFileFailed;
}

Outcome comparisonOutcome(const DelegateTool* tool, Comparison comparison) {
  if (tool->inputError() != 0) {
    return Outcome::kInputFailed;
  }
  switch (comparison) {
    case Comparison::kIncomplete:
      return Outcome::kOperationFailed;
    case Comparison::kDifferent:
      return Outcome::kDifferent;
    case Comparison::kSame:
      break;
  }
  return Outcome::kDone;
}

Outcome runOperation(DelegateTool* tool, const Arguments& arguments) {
  const char* const* userIds = arguments.userIds;
  bool succeeded;
  if (arguments.presetText != nullptr) {
    succeeded = tool->addDelegates(userIds[0], userIds + 1, arguments.presetText);
  } else if (arguments.deleteFlag) {
    succeeded = tool->deleteDelegates(userIds[0], userIds + 1);
  } else if (arguments.inputFileName != nullptr) {
    succeeded = tool->loadDelegates(userIds);
  } else if (arguments.compareFileName != nullptr) {
    // A comparison changes nothing, dry run or not.
    return comparisonOutcome(tool, tool->compareDelegates(userIds));
  } else {
    // A listing changes nothing, dry run or not.
    return tool->listDelegates(userIds) ? Outcome::kDone : Outcome::kOperationFailed;
  }
  if (arguments.dryRun) {
    printMessage("Dry run: nothing was changed on the server.\n");
  }
  Outcome outcome = succeeded ? Outcome::kDone : Outcome::kOperationFailed;
  if (tool->inputError() != 0) {
    outcome = precedingOutcome(outcome, Outcome::kInputFailed);
  }
  return outcome;
}

// Connects the tool and runs the operation on the run's files. *connected
// tells whether the connection was made, release check and all.
Outcome runOnServer(DelegateTool* tool, const Arguments& arguments, const RunFiles& files,
                    StorePreview* preview, bool* connected) {
  // The client library is needed from here on, and only from here: a
  // usage or file error is reported without it. A library that cannot be
  // loaded has been reported by loadClientLibrary.
  if (!loadClientLibrary()) {
    return Outcome::kNoConnection;
  }
  tool->setStreams(files.input, files.output, arguments.longFormat);
  if (arguments.dryRun) {
    tool->setDryRun(preview);
  }
  tool->setQuiet(arguments.quiet);
  tool->printLibraryVersion();
  printMessage("Server: %s\n", arguments.serverName);
  *connected = tool->connect(arguments.serverName);
  if (!*connected) {
    return Outcome::kNoConnection;
  }
  printMessage("\n");
  return runOperation(tool, arguments);
}

Outcome runTool(int argc, char** argv) {
  printBanner();

  Arguments arguments;
  const char* problem = parseArguments(argc, argv, &arguments);
  if (problem != nullptr) {
    printUsage(problem);
    return Outcome::kUsage;
  }

  RunFiles files;
  DelegateTool tool;
  StorePreview preview;
  bool connected = false;
  Outcome outcome = openRunFiles(arguments, &files);
  if (outcome == Outcome::kDone) {
    outcome = runOnServer(&tool, arguments, files, &preview, &connected);
  }
  outcome = precedingOutcome(outcome, closeRunFiles(&files, tool.outputError()));
  if (connected) {
    printMessage("\n");
  }
  // Also closes a connection whose release was refused, after its
  // release line.
  tool.disconnect();
  return outcome;
}

}  // namespace

int main(int argc, char** argv) {
  prepareProcess();
  openClosedStandardStreams();
  Outcome outcome = runTool(argc, argv);
  // A run whose messages or listing did not all reach standard output must
  // not pass for one that did.
  if (!finishStandardOutput()) {
    outcome = precedingOutcome(outcome, Outcome::kStandardOutputFailed);
  }
  return exitStatusOf(outcome);
}
