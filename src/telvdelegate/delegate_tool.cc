#include "delegate_tool.h"

#include <cerrno>

#include "console_output.h"

void DelegateTool::setStreams(std::FILE* input, std::FILE* output, bool longFormat) {
  input_ = input;
  output_ = output;
  longFormat_ = longFormat;
  inputError_ = 0;
  outputError_ = 0;
}

void DelegateTool::flushOutput() {
  // A listing line is far shorter than the stream's buffer, so a write to a
  // full disk fails here, at the flush after its line, with the reason in
  // errno. Should one fail earlier, the stream's error flag still tells.
  int flushed = std::fflush(output_);
  if ((flushed != 0 || std::ferror(output_)) && outputError_ == 0) {
    outputError_ = errno != 0 ? errno : EIO;
    // On standard output the listing is part of what the run reports.
    if (output_ == stdout) {
      noteStandardOutputFailure(outputError_);
    }
  }
}
