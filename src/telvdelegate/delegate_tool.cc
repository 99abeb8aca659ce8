#include "delegate_tool.h"

DelegateTool::~DelegateTool() {
  if (input_ != nullptr) {
    std::fclose(input_);
    input_ = nullptr;
  }
  if (output_ != nullptr) {
    std::fflush(output_);
    if (output_ != stdout) {
      std::fclose(output_);
    }
    output_ = nullptr;
  }
}

void DelegateTool::setStreams(std::FILE* input, std::FILE* output, bool longFormat) {
  input_ = input;
  output_ = output;
  longFormat_ = longFormat;
}

std::FILE* DelegateTool::releaseInput() {
  std::FILE* input = input_;
  input_ = nullptr;
  return input;
}

std::FILE* DelegateTool::releaseOutput() {
  std::FILE* output = output_;
  output_ = nullptr;
  return output;
}

// The operations come one by one; until each has its own module it does
// nothing, and the run goes on to disconnect.
bool DelegateTool::listDelegates(char**) {
  return true;
}
bool DelegateTool::addDelegates(const char*, char**, const char*) {
  return true;
}
bool DelegateTool::loadDelegates(char**) {
  return true;
}
bool DelegateTool::deleteDelegates(const char*, char**) {
  return true;
}
