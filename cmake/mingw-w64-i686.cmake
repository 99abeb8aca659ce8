# Cross-building for 32-bit Windows with Debian's mingw-w64: the build for
# a 32-bit TELVWIN32.dll, which a 64-bit program cannot load.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TELV_MINGW_PREFIX i686-w64-mingw32)
# Debian's wine command, which starts Wine's 32-bit loader.
set(TELV_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
