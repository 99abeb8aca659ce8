# Cross-building for Windows with Debian's mingw-w64, for the processor the
# architecture's toolchain file names in TELV_MINGW_PREFIX and
# CMAKE_SYSTEM_PROCESSOR before it includes this file.
#
# The posix threading flavour of the compilers is the one whose C++ library
# has std::mutex, which the stand-in client library uses. Everything is
# linked statically against the compiler's runtime, so the programs and the
# DLL need nothing beside them but Windows' own DLLs.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TELV_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TELV_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TELV_MINGW_PREFIX}-windres)
set(CMAKE_STRIP ${TELV_MINGW_PREFIX}-strip)

set(CMAKE_FIND_ROOT_PATH /usr/${TELV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# Tests run the Windows programs on this machine under Wine, with the
# loader of the architecture's programs; whether it runs them here the
# Wine tests find out for themselves.
find_program(TELV_WINE NAMES ${TELV_WINE_LOADER} PATHS /usr/lib/wine)
if(TELV_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TELV_WINE})
endif()
