// Reading the input stream line by line, whatever system wrote it: a line
// feed, a carriage return, or the two together end a line.

#include <cerrno>
#include <cstdio>

#include "delegate_tool.h"

int DelegateTool::readCharacter() {
  int c = std::getc(input_);
  if (c == EOF && inputError_ == 0 && std::ferror(input_)) {
    inputError_ = errno != 0 ? errno : EIO;
  }
  return c;
}

int DelegateTool::readLine(char* buffer, int capacity, bool* cut) {
  if (input_ == nullptr) {
    return -1;
  }
  if (cut != nullptr) {
    *cut = false;
  }
  int c = readCharacter();
  if (c == EOF) {
    buffer[0] = '\0';
    return -1;
  }
  int stored = 0;
  while (c != EOF && c != '\n' && c != '\r') {
    // The rest of an overlong line is read and dropped, so that it does
    // not come back as a line of its own.
    if (stored < capacity) {
      buffer[stored++] = static_cast<char>(c);
    } else if (cut != nullptr) {
      *cut = true;
    }
    c = readCharacter();
  }
  if (c == '\r') {
    // A carriage return and a line feed are one line end; whatever else
    // follows the return begins the next line.
    int next = readCharacter();
    if (next != '\n' && next != EOF) {
      std::ungetc(next, input_);
    }
  }
  buffer[stored] = '\0';
  return stored;
}
