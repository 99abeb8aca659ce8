// Loading the fax server's client library, TELVWIN32.dll.
//
// On Windows the program loads the DLL itself and looks up each of its
// calls, instead of leaving that to the system's loader: Windows refuses to
// start a program whose DLL is missing, with a message box on a desktop that
// a scheduled backup job cannot answer, and starts one whose DLL lacks a
// call only to fail at that call. Loading it here turns both into one line
// on standard output and a failure the program reports by its exit status.
// Elsewhere the library is a shared library linked as usual, and loading it
// does nothing.
#ifndef TELVPROGRAM_CLIENT_LIBRARY_H_
#define TELVPROGRAM_CLIENT_LIBRARY_H_

// Loads the library and finds every call. Call before the first call of the
// library. On failure prints why, naming the DLL, the missing call if one
// is, and the system's text, flushes, and returns false.
bool loadClientLibrary();

#endif  // TELVPROGRAM_CLIENT_LIBRARY_H_
