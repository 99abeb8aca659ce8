// Changes that an interruption must not split.
//
// A replaced delegation is removed from the server before the new one is
// saved; a run that ends between the two loses the pair. So the program
// marks such a change, with the lines that report it, as one unit: an
// interruption that arrives inside it (Ctrl+C, a polite kill, a hang-up,
// a closed console, a reader that went away) is held until the unit ends,
// and then ends the run just as it would have at once. Outside the units
// nothing changes. A kill that cannot be caught (SIGKILL) or a power loss
// still can split a unit; nothing in the program can hold those.
#ifndef TELVPROGRAM_INTERRUPTIONS_H_
#define TELVPROGRAM_INTERRUPTIONS_H_

// Begins a unit. Units nest: only the outermost end lets interruptions in.
void holdInterruptions();
// Ends the unit; an interruption held meanwhile ends the run now, the way
// it would have ended it when it arrived.
void releaseInterruptions();

#endif  // TELVPROGRAM_INTERRUPTIONS_H_
