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
// ending. The unit's server calls still run to their end. (On Windows a
// unit still waits for its lines.)
#ifndef TELVPROGRAM_INTERRUPTIONS_H_
#define TELVPROGRAM_INTERRUPTIONS_H_

// Takes over the interruptions for the whole run; called once, as the
// process starts. An interruption the run was started to ignore stays
// ignored.
void watchInterruptions();

// Begins a unit. Units nest: only the outermost end lets interruptions in.
void holdInterruptions();
// Ends the unit; an interruption held meanwhile ends the run now, the way
// it would have ended it when it arrived.
void releaseInterruptions();

#endif  // TELVPROGRAM_INTERRUPTIONS_H_
