// Progress of a long operation, on standard error.
//
// An administrator who sends the output to a file sees nothing of a run
// until it ends, which against a remote server can take minutes. So an
// operation that has run for about a second shows a line on standard
// error, rewritten in place a few times a second: what it is doing, the
// count done, and of how many when that is known. The line is cleared when
// the operation finishes, before its summary.
//
// Only when standard error is a terminal (a console on Windows) and
// standard output is not that same terminal: there the messages themselves
// show where the run stands, and a log or pipe wants no such line. On
// systems with process groups, a run in the background of its terminal
// writes nothing either, so that it neither scribbles over the shell nor
// is stopped for writing to the terminal. Standard output is never
// touched.
//
// Counting an item costs an increment and a test when no progress is
// shown, and a read of the monotonic clock when it is. The line is
// not written once an interruption is held (see interruptions.h): a
// terminal stopped with Ctrl+S must not keep the run from ending.
//
// Use: start() as the operation begins, advance() after each item,
// finish() before the summary (or let the destructor do it on any other
// way out).
#ifndef TELVPROGRAM_PROGRESS_H_
#define TELVPROGRAM_PROGRESS_H_

#include <stdint.h>

#include <chrono>
#include <cstdio>

class Progress {
 public:
  using Clock = std::chrono::steady_clock;

  Progress() = default;
  ~Progress() { finish(); }
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // Begins an operation: label says what it does ("Removing delegates"),
  // total how many items it has, 0 when that is not known, and unit, when
  // given, what the counts count ("lines"). Shows nothing yet.
  void start(const char* label, uint64_t total = 0, const char* unit = nullptr);
  // The total, once it is known.
  void setTotal(uint64_t total) { total_ = total; }
  // Counts the bytes of a file instead of items when it is a regular file,
  // against its size, else the items advanced as lines. The reader of the
  // file tells how far it has read with advanceInFile.
  void trackFile(std::FILE* file);
  // Whether the line is shown for this operation; an operation may count
  // its items first only then.
  bool active() const { return active_; }

  // One more item done.
  void advance() {
    ++done_;
    if (active_) {
      tick(Clock::now());
    }
  }

  // One more line of the tracked file done, its reader at position bytes.
  void advanceInFile(uint64_t position) {
    done_ = countsBytes_ ? position : done_ + 1;
    if (active_) {
      tick(Clock::now());
    }
  }

  // Clears the line, if shown, and ends the operation.
  void finish();

  // For tests: shows the line on stream whatever the terminals are, from
  // a start at the time given.
  void startOn(std::FILE* stream, Clock::time_point now, const char* label, uint64_t total,
               const char* unit);
  // Shows the line when it is due at time now.
  void tick(Clock::time_point now);

 private:
  void show();

  std::FILE* stream_ = nullptr;
  const char* label_ = "";
  const char* unit_ = nullptr;
  uint64_t total_ = 0;
  uint64_t done_ = 0;
  bool countsBytes_ = false;  // done_ is a position in a file
  bool active_ = false;
  bool onTerminal_ = false;  // stream_ is standard error on a terminal
  Clock::time_point nextShow_;
  int shownWidth_ = 0;  // characters of the line on the terminal now
};

// Whether the progress line may be shown: standard error is a terminal or
// console and standard output is not the same one.
bool progressWanted();

// Writes "label: done[ of total][ unit]" into buffer, with the counts
// grouped by thousands ("35,000 of 100,000"); a total of 0 is left out.
// Returns the length written, cut to size - 1.
int formatProgress(char* buffer, int size, const char* label, uint64_t done, uint64_t total,
                   const char* unit);

#endif  // TELVPROGRAM_PROGRESS_H_
