// Marks the functions the client library exports. The library is built with
// hidden visibility, so everything else stays internal, and a linker version
// script made from the interface's list of calls keeps the export list exact.
// On Windows the module definition made from that list names the exports.
#ifndef EMULATOR_EXPORTS_H_
#define EMULATOR_EXPORTS_H_

#ifdef _WIN32
#define TELV_EXPORT extern "C"
#else
#define TELV_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#endif  // EMULATOR_EXPORTS_H_
