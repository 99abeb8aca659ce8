#include <cstdio>
#include <cstdlib>

#include "fuzz_input.h"

void fuzzFailure(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::fflush(stderr);
  std::abort();  // libFuzzer saves the input that got here
}
