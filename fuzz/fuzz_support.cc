#include "fuzz_support.h"

#include <stdio.h>

#include <cstdlib>

#include "line_reader.h"

LineReader* readerOf(char* bytes, std::size_t size) {
  // Its block is large: made once, not at every run.
  static LineReader reader;
  FILE* input = fmemopen(bytes, size, "r");
  FUZZ_CHECK(input != nullptr);
  // A buffer of our own: the stream's would be a fresh 4 KB from the
  // sanitizer's allocator every run, which costs more than the test.
  static char streamBuffer[512];
  setvbuf(input, streamBuffer, _IOFBF, sizeof streamBuffer);
  startLineReader(&reader, input);
  return &reader;
}

void fuzzFailure(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::fflush(stderr);
  std::abort();  // libFuzzer saves the input that got here
}
