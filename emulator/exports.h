// Marks the functions the client library exports. The library is built with
// hidden visibility, so everything else stays internal, and a linker version
// script (telvwin32.map) keeps the export list exact.
#ifndef EMULATOR_EXPORTS_H_
#define EMULATOR_EXPORTS_H_

#define TELV_EXPORT extern "C" __attribute__((visibility("default")))

#endif  // EMULATOR_EXPORTS_H_
