// Reading an input line by line, whatever system wrote it: a line feed, a
// carriage return, or the two together end a line. The input is taken in
// blocks, not a character at a time, and every line is sorted by the
// listing's rule for lines a load ignores.
#ifndef TELVDELEGATE_LINE_READER_H_
#define TELVDELEGATE_LINE_READER_H_

#include <stdint.h>

#include <cstddef>
#include <cstdio>

// The reader of one input stream. A stream with a file descriptor (a file,
// a pipe, a terminal) is read through the descriptor, as the system hands
// over what it has, so that a line typed or piped in is read as soon as it
// is whole and no sooner; the stream must then be unbuffered (setvbuf with
// _IONBF before its first read), since the reader takes from the stream
// itself only the character a check may have put back into it. A stream of
// the C library's own without a descriptor (memory, a cookie) is read
// with fread, which waits for nothing.
struct LineReader {
  std::FILE* stream = nullptr;
  // The system's error number of the first read that failed, 0 when none
  // did. readLine then returns -1 as at the end of the input; only this
  // tells an input that stopped short from one read to its end.
  int error = 0;

  uint64_t taken = 0;    // bytes taken from the input so far
  bool started = false;  // the first character, put back or not, taken
  bool ended = false;    // the end of the input, or a failed read, seen
  std::size_t next = 0;  // the block's first character not yet read
  std::size_t end = 0;   // one past the block's last character
  char block[64 * 1024];
};

// What readLine found out about a line beyond its characters.
struct LineShape {
  // The line was longer than the buffer: the rest was read and dropped.
  bool cut = false;
  // The whole line, dropped rest included, is one a load ignores: blanks
  // only, or a comment (see isBlankOrComment).
  bool blankOrComment = false;
};

// How far into the input the lines read so far reach, in bytes.
inline uint64_t lineReaderPosition(const LineReader* reader) {
  return reader->taken - (reader->end - reader->next);
}

// Prepares the reader for the stream; reads nothing.
void startLineReader(LineReader* reader, std::FILE* stream);

// Reads the next line into buffer, which has room for capacity characters
// and a NUL. The line end is not stored; a NUL byte is a character like
// any other. Of a longer line the first capacity characters are kept and
// the rest is read and dropped. Returns the number of characters stored,
// or -1 when the input ends or a read fails before the line's first
// character (the buffer then holds ""). A line end just before the end of
// the input does not start one more, empty line. A failed read is kept in
// reader->error. `shape`, when given, receives what was found out.
int readLine(LineReader* reader, char* buffer, int capacity, LineShape* shape = nullptr);

#endif  // TELVDELEGATE_LINE_READER_H_
