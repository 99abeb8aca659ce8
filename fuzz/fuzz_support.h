// What the fuzz targets share: turning a fuzzer's bytes into the inputs
// of the tool's functions, a line reader reading from memory, and the
// checks.
#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The bytes as a C string: what a caller of a text function can hand it,
// so everything from the first NUL on is dropped.
inline std::string textOf(const uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  return text.substr(0, text.find('\0'));
}

// The bytes cut at every NUL, as a command line's arguments arrive.
inline std::vector<std::string> splitAtNul(const uint8_t* data, std::size_t size) {
  std::vector<std::string> pieces(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\0') {
      pieces.emplace_back();
    } else {
      pieces.back() += static_cast<char>(data[i]);
    }
  }
  return pieces;
}

struct LineReader;

// The one line reader of the run, started on a stream reading the bytes
// given, which must outlive the reading. The caller closes its stream.
LineReader* readerOf(char* bytes, std::size_t size);

// Stops the run with a message on stderr; the fuzzer keeps the input.
[[noreturn]] void fuzzFailure(const char* what);

// Checks a property, naming it when it fails.
#define FUZZ_CHECK(condition)                                 \
  do {                                                        \
    if (!(condition)) {                                       \
      fuzzFailure(__FILE__ ": property failed: " #condition); \
    }                                                         \
  } while (0)

#endif  // FUZZ_FUZZ_SUPPORT_H_
