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
#include <new>

#include "arguments.h"
#include "client_library.h"
#include "console_output.h"
#include "delegate_tool.h"
#include "process_startup.h"

namespace {

const char kTitle[] = "TelvDelegate - Manage in-box delegates on a Telvane server";
const char kRelease[] = "1.0";
const char kBuildText[] = "Built: " __DATE__;

// Exit statuses. A run left unattended sees nothing else, so every
// failure the run reports shows in it too.
const int kExitDone = 0;  // the operation ran and reported no failure
const int kExitNoConnection = 1;
const int kExitOperationFailed = 2;  // the operation reported a failure
const int kExitOutputFile = 3;
// Standard output could not be written at some point of the run.
const int kExitStandardOutput = 3;
const int kExitInputFile = 4;  // the input could not be opened or read
const int kExitUsage = 255;

// Where several statuses apply, the first of these wins: a run that did
// not start says so before anything the run did, and a listing or input
// that failed says more than the operation's own reports, which it cut
// short or made worthless.
const int kStatusPrecedence[] = {kExitUsage,     kExitNoConnection,    kExitOutputFile,
                                 kExitInputFile, kExitOperationFailed, kExitDone};

int precedingStatus(int a, int b) {
  for (int status : kStatusPrecedence) {
    if (a == status || b == status) {
      return status;
    }
  }
  return a;
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

// Returns false when the operation reported a failure.
bool runOperation(DelegateTool* tool, const Arguments& arguments) {
  const char* const* userIds = arguments.userIds;
  bool succeeded;
  if (arguments.presetText != nullptr) {
    succeeded = tool->addDelegates(userIds[0], userIds + 1, arguments.presetText);
  } else if (arguments.deleteFlag) {
    succeeded = tool->deleteDelegates(userIds[0], userIds + 1);
  } else if (arguments.inputFileName != nullptr) {
    succeeded = tool->loadDelegates(userIds);
  } else {
    return tool->listDelegates(userIds);  // a listing changes nothing, dry run or not
  }
  if (arguments.dryRun) {
    printMessage("Dry run: nothing was changed on the server.\n");
  }
  return succeeded;
}

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

// Takes the output file back from the tool and closes it. A listing that
// did not reach the disk whole (a full disk, a failing device) is reported,
// with the reason of the first write that failed.
bool closeOutputFile(DelegateTool* tool, const char* fileName) {
  int error = tool->outputError();
  std::FILE* output = tool->releaseOutput();
  if (std::fflush(output) != 0 && error == 0) {
    error = errno;
  }
  if (std::ferror(output) && error == 0) {
    error = EIO;
  }
  if (std::fclose(output) != 0 && error == 0) {
    error = errno;
  }
  if (error == 0) {
    return true;
  }
  printMessage("Can't write output file: %s: %s\n", fileName, std::strerror(error));
  return false;
}

int runTool(int argc, char** argv) {
  printBanner();

  Arguments arguments;
  const char* problem = parseArguments(argc, argv, &arguments);
  if (problem != nullptr) {
    printUsage(problem);
    return kExitUsage;
  }

  std::FILE* input = nullptr;
  if (arguments.inputFileName != nullptr) {
    if (!isStandardStream(arguments.inputFileName)) {
      input = openInputFile(arguments.inputFileName);
    } else if (standardInputWasClosed()) {
      errno = EBADF;  // it reads as the null device now: no input at all
    } else {
      input = stdin;
    }
    if (input == nullptr) {
      printMessage("Can't open/read input file: %s: %s\n", arguments.inputFileName,
                   std::strerror(errno));
      return kExitInputFile;
    }
  }

  // The output file is created, or emptied, before the server is tried.
  std::FILE* output = stdout;
  bool outputIsFile =
      arguments.outputFileName != nullptr && !isStandardStream(arguments.outputFileName);
  if (outputIsFile) {
    output = std::fopen(arguments.outputFileName, kWriteText);
    if (output == nullptr) {
      printMessage("Can't open/write output file: %s: %s\n", arguments.outputFileName,
                   std::strerror(errno));
      return kExitOutputFile;
    }
  }

  // The client library is needed from here on, and only from here: a
  // usage or file error is reported without it. A library that cannot be
  // loaded has been reported by loadClientLibrary.
  DelegateTool* tool = nullptr;
  if (loadClientLibrary()) {
    tool = new (std::nothrow) DelegateTool();
    if (tool == nullptr) {
      printMessage("Can't create the delegate tool: out of memory\n");
    }
  }
  if (tool == nullptr) {
    if (input != nullptr) {
      std::fclose(input);
    }
    if (outputIsFile) {
      std::fclose(output);
    }
    return kExitNoConnection;
  }
  tool->setStreams(input, output, arguments.longFormat);
  tool->setDryRun(arguments.dryRun);
  tool->setQuiet(arguments.quiet);

  printMessage("Server: %s\n", arguments.serverName);
  if (!tool->connect(arguments.serverName)) {
    delete tool;  // closes the streams; disconnects when the release was refused
    return kExitNoConnection;
  }
  printMessage("\n");

  int status = runOperation(tool, arguments) ? kExitDone : kExitOperationFailed;
  if (tool->inputError() != 0) {
    status = precedingStatus(status, kExitInputFile);
  }

  if (std::FILE* in = tool->releaseInput()) {
    std::fclose(in);
  }
  if (outputIsFile && !closeOutputFile(tool, arguments.outputFileName)) {
    status = precedingStatus(status, kExitOutputFile);
  }

  printMessage("\n");
  tool->disconnect();
  delete tool;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  prepareProcess();
  openClosedStandardStreams();
  int status = runTool(argc, argv);
  // A run whose messages or listing did not all reach standard output must
  // not pass for one that did.
  if (!finishStandardOutput()) {
    status = precedingStatus(status, kExitStandardOutput);
  }
  return status;
}
