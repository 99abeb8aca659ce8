// What a console program sets up about its process before anything else:
// the one place for the system's own settings of a run.
#ifndef TELVPROGRAM_PROCESS_STARTUP_H_
#define TELVPROGRAM_PROCESS_STARTUP_H_

// Call first in main. On Windows the system reports its own failures to
// the program instead of in a message box (a missing DLL, a drive without
// a disk), since a scheduled job has no one to answer one. Everywhere the
// program takes over the interruptions, so that a unit can hold them
// whenever one arrives (interruptions.h).
void prepareProcess();

#endif  // TELVPROGRAM_PROCESS_STARTUP_H_
