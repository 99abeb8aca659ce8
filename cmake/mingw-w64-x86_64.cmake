# Cross-building for 64-bit Windows with Debian's mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TELV_MINGW_PREFIX x86_64-w64-mingw32)
# Wine's 64-bit loader itself: the plain wine command starts the 32-bit one.
set(TELV_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
