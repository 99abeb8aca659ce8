# SQLite for the Windows build of the emulator, compiled from its
# amalgamation (sqlite3.c and sqlite3.h).
#
# A cross-build finds no SQLite for Windows on this machine, so it compiles
# one from the amalgamation in TELV_SQLITE_AMALGAMATION_DIR: by default the
# one tests/sqlite_amalgamation.sh makes from Debian's source package of SQLite,
# or any other the builder names. The build fetches nothing itself.
set(TELV_SQLITE_AMALGAMATION_DIR ${PROJECT_SOURCE_DIR}/_deps/sqlite CACHE PATH
    "Folder holding SQLite's sqlite3.c and sqlite3.h (made by tests/sqlite_amalgamation.sh)")

set(sqlite_dir ${TELV_SQLITE_AMALGAMATION_DIR})
if(NOT EXISTS ${sqlite_dir}/sqlite3.c OR NOT EXISTS ${sqlite_dir}/sqlite3.h)
  message(FATAL_ERROR "No SQLite amalgamation in ${sqlite_dir}: run tests/sqlite_amalgamation.sh "
                      "first, or name a folder holding sqlite3.c and sqlite3.h with "
                      "-DTELV_SQLITE_AMALGAMATION_DIR")
endif()

add_library(telv_sqlite3 STATIC ${sqlite_dir}/sqlite3.c)
target_include_directories(telv_sqlite3 SYSTEM PUBLIC ${sqlite_dir})
target_compile_definitions(telv_sqlite3 PRIVATE SQLITE_OMIT_LOAD_EXTENSION SQLITE_THREADSAFE=1)
# Someone else's code: built as it comes, without this project's warnings.
target_compile_options(telv_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS telv_sqlite3)
