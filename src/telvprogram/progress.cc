#include "progress.h"

#include <cstring>

#include "interruptions.h"

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The line first appears after this long, so that short runs show nothing,
// and is rewritten at most this often: often enough to watch, seldom
// enough to cost nothing.
constexpr std::chrono::milliseconds kFirstShow(1000);
constexpr std::chrono::milliseconds kShowInterval(250);

// Room for a label, two counts of 20 digits with their commas and a unit.
constexpr int kLineSize = 160;

// Writes value with a comma between groups of three digits; returns the
// length. buffer has room for 27 characters and the NUL.
int formatCount(char* buffer, uint64_t value) {
  char digits[21];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  int length = 0;
  for (int i = count - 1; i >= 0; --i) {
    buffer[length++] = digits[i];
    if (i > 0 && i % 3 == 0) {
      buffer[length++] = ',';
    }
  }
  buffer[length] = '\0';
  return length;
}

// Appends text to buffer at *length, keeping room for the NUL.
void append(char* buffer, int size, int* length, const char* text) {
  while (*text != '\0' && *length < size - 1) {
    buffer[(*length)++] = *text++;
  }
  buffer[*length] = '\0';
}

// The size of file when it is a regular file, else 0.
uint64_t regularFileSize(std::FILE* file) {
#ifdef _WIN32
  struct _stat64 status;
  if (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) {
    return 0;
  }
#else
  struct stat status;
  if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) {
    return 0;
  }
#endif
  return status.st_size > 0 ? static_cast<uint64_t>(status.st_size) : 0;
}

// Whether this process may write to its terminal now: a job in the
// background of its own terminal must not, and may be stopped if it tries.
// A terminal that is not the process's own (tcgetpgrp fails) has no
// foreground to keep and stops no one.
bool inForeground() {
#ifdef _WIN32
  return true;
#else
  pid_t foreground = tcgetpgrp(STDERR_FILENO);
  return foreground == -1 || foreground == getpgrp();
#endif
}

}  // namespace

bool progressWanted() {
#ifdef _WIN32
  DWORD mode = 0;
  if (!GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode)) {
    return false;
  }
  // A process has one console; standard output on it is the same one.
  return !GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
#else
  if (!isatty(STDERR_FILENO)) {
    return false;
  }
  if (!isatty(STDOUT_FILENO)) {
    return true;
  }
  struct stat output;
  struct stat error;
  return fstat(STDOUT_FILENO, &output) == 0 && fstat(STDERR_FILENO, &error) == 0 &&
         output.st_rdev != error.st_rdev;
#endif
}

int formatProgress(char* buffer, int size, const char* label, uint64_t done, uint64_t total,
                   const char* unit) {
  char count[28];
  int length = 0;
  buffer[0] = '\0';
  append(buffer, size, &length, label);
  append(buffer, size, &length, ": ");
  formatCount(count, done);
  append(buffer, size, &length, count);
  if (total != 0) {
    append(buffer, size, &length, " of ");
    formatCount(count, total);
    append(buffer, size, &length, count);
  }
  if (unit != nullptr) {
    append(buffer, size, &length, " ");
    append(buffer, size, &length, unit);
  }
  return length;
}

void Progress::start(const char* label, uint64_t total, const char* unit) {
  finish();
  if (progressWanted()) {
    startOn(stderr, Clock::now(), label, total, unit);
    onTerminal_ = true;
    return;
  }
  label_ = label;
  total_ = total;
  unit_ = unit;
  done_ = 0;
}

void Progress::startOn(std::FILE* stream, Clock::time_point now, const char* label, uint64_t total,
                       const char* unit) {
  finish();
  stream_ = stream;
  label_ = label;
  total_ = total;
  unit_ = unit;
  done_ = 0;
  countsBytes_ = false;
  active_ = true;
  nextShow_ = now + kFirstShow;
}

void Progress::trackFile(std::FILE* file) {
  total_ = regularFileSize(file);
  countsBytes_ = total_ != 0;
  if (countsBytes_) {
    unit_ = "bytes";
  } else {
    unit_ = "lines";
  }
}

void Progress::tick(Clock::time_point now) {
  if (now < nextShow_) {
    return;
  }
  nextShow_ = now + kShowInterval;
  // Once an interruption is held the run is about to end; a terminal
  // stopped with Ctrl+S must not keep it from that.
  if (interruptionHeld()) {
    return;
  }
  if (!onTerminal_ || inForeground()) {
    show();
  }
}

void Progress::show() {
  // The carriage return starts the line anew; blanks cover what is left
  // of a longer line before it.
  char line[kLineSize + 1];
  line[0] = '\r';
  int length = 1 + formatProgress(line + 1, kLineSize, label_, done_, total_, unit_);
  int width = length - 1;
  while (length < kLineSize && length - 1 < shownWidth_) {
    line[length++] = ' ';
  }
  std::fwrite(line, 1, static_cast<size_t>(length), stream_);
  std::fflush(stream_);
  shownWidth_ = width;
}

void Progress::finish() {
  if (active_ && shownWidth_ > 0 && (!onTerminal_ || inForeground())) {
    char line[kLineSize + 2];
    int length = 0;
    line[length++] = '\r';
    while (length <= shownWidth_ && length < kLineSize) {
      line[length++] = ' ';
    }
    line[length++] = '\r';
    std::fwrite(line, 1, static_cast<size_t>(length), stream_);
    std::fflush(stream_);
  }
  active_ = false;
  onTerminal_ = false;
  shownWidth_ = 0;
  countsBytes_ = false;
}
