// readLine over arbitrary bytes in a memory stream, compared with a split
// written from the line rules: a line feed, a carriage return, or the two
// together end a line; of a longer line the first `capacity` characters
// are kept; a line end just before the end starts no further line; a line
// is ignored when its first character that is not a blank, in the whole
// line, is none, "#" or ";".
#include <stdio.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "line_reader.h"

namespace {

// A line as kept, after "~" when it is ignored, "+" when not.
std::string keptLine(const std::string& line, std::size_t capacity) {
  std::size_t mark = line.find_first_not_of(' ');
  bool ignored = mark == std::string::npos || line[mark] == '#' || line[mark] == ';';
  return (ignored ? "~" : "+") + line.substr(0, capacity);
}

std::vector<std::string> linesByRule(const std::string& bytes, std::size_t capacity) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;  // a line has begun and not ended
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(keptLine(line, capacity));
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
        ++i;
      }
    } else {
      line += c;
      open = true;
    }
  }
  if (open) {
    lines.push_back(keptLine(line, capacity));
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;  // a memory stream holds one byte at least
  }
  // The first byte picks the capacity. The cut of a long line works alike
  // for every capacity, and small ones reach it with short inputs.
  int capacity = data[0] % 16;
  std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  LineReader* reader = readerOf(&bytes[0], bytes.size());

  std::vector<std::string> expected = linesByRule(bytes, static_cast<std::size_t>(capacity));
  std::vector<char> buffer(static_cast<std::size_t>(capacity) + 1);
  std::size_t index = 0;
  for (;;) {
    LineShape shape;
    int stored = readLine(reader, buffer.data(), capacity, &shape);
    if (stored < 0) {
      FUZZ_CHECK(buffer[0] == '\0');
      break;
    }
    FUZZ_CHECK(stored <= capacity);
    FUZZ_CHECK(buffer[static_cast<std::size_t>(stored)] == '\0');
    FUZZ_CHECK(index < expected.size());
    std::string line(buffer.data(), static_cast<std::size_t>(stored));
    FUZZ_CHECK((shape.blankOrComment ? "~" : "+") + line == expected[index]);
    ++index;
  }
  FUZZ_CHECK(index == expected.size());
  FUZZ_CHECK(reader->error == 0);
  fclose(reader->stream);
  return 0;
}
