#include "fuzz_support.h"

#include <stdio.h>

#include <cstdlib>

#include "delegate_tool.h"

DelegateTool* toolReading(char* bytes, std::size_t size) {
  // The tool reads the API version when it is made; one does for every run.
  static DelegateTool* tool = new DelegateTool();
  FILE* input = fmemopen(bytes, size, "r");
  FUZZ_CHECK(input != nullptr);
  // A buffer of our own: the stream's would be a fresh 4 KB from the
  // sanitizer's allocator every run, which costs more than the test.
  static char streamBuffer[512];
  setvbuf(input, streamBuffer, _IOFBF, sizeof streamBuffer);
  tool->setStreams(input, nullptr, false);
  return tool;
}

void fuzzFailure(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::fflush(stderr);
  std::abort();  // libFuzzer saves the input that got here
}
