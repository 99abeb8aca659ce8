# Hardening for the programs and libraries built for Linux, the flags
# Debian builds its own packages with: a stack protector, the C library's
# checked variants of string and memory calls, position-independent
# executables, and relocations bound at start-up, then made read-only.
# The checked variants need an optimising build, so the Debug builds of the
# sanitizer and fuzz presets go without them.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong)
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
