#include "line_reader.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "listing_file.h"

namespace {

// One read of the descriptor: what the system has, up to `size` bytes,
// waiting only when it has nothing yet. Returns -1 when the read fails.
long readDescriptor(int descriptor, char* block, std::size_t size) {
#ifdef _WIN32
  return _read(descriptor, block, static_cast<unsigned>(size));
#else
  return static_cast<long>(read(descriptor, block, size));
#endif
}

// Takes the next block when the current one is used up. Returns false at
// the end of the input or when the read fails, which is remembered. Both
// are final: a terminal that sent its end of input is not asked again.
bool fillBlock(LineReader* reader) {
  if (reader->next < reader->end) {
    return true;
  }
  if (reader->ended) {
    return false;
  }
  errno = 0;
  long got = 0;
  int descriptor = fileno(reader->stream);
  if (descriptor < 0) {
    got = static_cast<long>(std::fread(reader->block, 1, sizeof reader->block, reader->stream));
    if (got == 0 && std::ferror(reader->stream)) {
      got = -1;
    }
  } else if (!reader->started) {
    // The one character a check of the stream may have read and put
    // back lives in the stream, not in the descriptor.
    int c = std::getc(reader->stream);
    if (c != EOF) {
      reader->block[0] = static_cast<char>(c);
      got = 1;
    } else if (std::ferror(reader->stream)) {
      got = -1;
    }
  } else {
    got = readDescriptor(descriptor, reader->block, sizeof reader->block);
  }
  reader->started = true;
  if (got <= 0) {
    if (got < 0 && reader->error == 0) {
      reader->error = errno != 0 ? errno : EIO;
    }
    reader->ended = true;
    return false;
  }
  reader->next = 0;
  reader->end = static_cast<std::size_t>(got);
  reader->taken += static_cast<uint64_t>(got);
  return true;
}

}  // namespace

void startLineReader(LineReader* reader, std::FILE* stream) {
  reader->stream = stream;
  reader->error = 0;
  reader->taken = 0;
  reader->started = false;
  reader->ended = false;
  reader->next = 0;
  reader->end = 0;
}

int readLine(LineReader* reader, char* buffer, int capacity, LineShape* shape) {
  if (!fillBlock(reader)) {
    buffer[0] = '\0';
    return -1;
  }
  std::size_t room = static_cast<std::size_t>(capacity);
  std::size_t stored = 0;
  bool cut = false;
  // The first character of the dropped rest that is not a blank, or -1:
  // a line whose kept part is all blanks is ignored or not by it.
  int restMark = -1;
  bool lineEnded = false;
  do {
    const char* start = reader->block + reader->next;
    const char* stop = reader->block + reader->end;
    const char* p = start;
    while (p < stop && *p != '\n' && *p != '\r') {
      ++p;
    }
    std::size_t span = static_cast<std::size_t>(p - start);
    std::size_t kept = span < room - stored ? span : room - stored;
    std::memcpy(buffer + stored, start, kept);
    stored += kept;
    // The rest of an overlong line is read and dropped, so that it does
    // not come back as a line of its own.
    if (kept < span) {
      cut = true;
      for (const char* q = start + kept; q < p && restMark < 0; ++q) {
        if (*q != ' ') {
          restMark = static_cast<unsigned char>(*q);
        }
      }
    }
    reader->next += span;
    lineEnded = p < stop;
  } while (!lineEnded && fillBlock(reader));

  if (lineEnded && reader->block[reader->next++] == '\r' && fillBlock(reader) &&
      reader->block[reader->next] == '\n') {
    // A carriage return and a line feed are one line end; whatever else
    // follows the return begins the next line.
    ++reader->next;
  }
  buffer[stored] = '\0';

  if (shape != nullptr) {
    shape->cut = cut;
    shape->blankOrComment = isBlankOrComment(buffer, stored);
    if (cut && shape->blankOrComment && restMark >= 0 && std::strspn(buffer, " ") == stored) {
      // Blanks all through the part kept: the rest decides, by its first
      // character that is not a blank, as if the line began there.
      char mark = static_cast<char>(restMark);
      shape->blankOrComment = isBlankOrComment(&mark, 1);
    }
  }
  return static_cast<int>(stored);
}
