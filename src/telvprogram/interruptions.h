// Changes that an interruption must not split.
//
// A replaced delegation is removed from the server before the new one is
// saved; a run that ends between the two loses the pair. So the program
// marks such a change, with the lines that report it, as one unit: an
// interruption that arrives inside it (any signal that would end the
// process and can be caught, a closed console, a reader that went away) is
// held until the unit ends, and then ends the run just as it would have at
// once. The first interruption held is the one that ends the run. Outside
// the units nothing changes. A kill that cannot be caught (SIGKILL) or a
// power loss still can split a unit; nothing in the program can hold those.
//
// A held signal does not wait on a reader of standard output: from the
// moment one is held, a line of the unit that cannot be written at once is
// given up, so that a reader that stopped reading cannot keep the run from
// ending. Nothing that other programs share with the run changes for that:
// on Linux the lines go to an open file of the run's own on the same pipe
// or terminal, on Windows the console handler cancels the blocked write.
// The unit's server calls still run to their end.
#ifndef TELVPROGRAM_INTERRUPTIONS_H_
#define TELVPROGRAM_INTERRUPTIONS_H_

// Takes over the interruptions for the whole run; called once, as the
// process starts. An interruption the run was started to ignore stays
// ignored.
void watchInterruptions();

// A unit: interruptions are held from the making of a hold until it goes.
// Holds nest: only the outermost one, as it goes, lets interruptions in,
// and an interruption held meanwhile then ends the run, the way it would
// have ended it when it arrived. So a unit ends however its scope is left,
// and no early return can leave interruptions held for the rest of the run.
class InterruptionHold {
 public:
  InterruptionHold();
  ~InterruptionHold();

  InterruptionHold(const InterruptionHold&) = delete;
  InterruptionHold& operator=(const InterruptionHold&) = delete;
};

// True once an interruption is held: a unit made of many steps, such as a
// delete's walk, stops at the next one, so that what it holds open (a list
// of the server) is given back before the run ends.
bool interruptionHeld();

// Mark the writing of a report line. On Windows the console handler
// cancels a write between the two that waits on its reader, and only such
// a write; elsewhere they do nothing.
void beginReportLine();
void endReportLine();

#endif  // TELVPROGRAM_INTERRUPTIONS_H_
