# SQLite for the Windows build of the emulator, compiled from source.
#
# A cross-build finds no SQLite for Windows on this machine, so it makes
# one: either from an amalgamation (sqlite3.c and sqlite3.h) the builder
# names with TELV_SQLITE_AMALGAMATION_DIR, or from Debian's source of the
# SQLite that the Linux build uses, fetched once into the build tree and
# checked against its hash. Making the amalgamation from that source takes
# the host's cc, make and tclsh.
set(TELV_SQLITE_AMALGAMATION_DIR "" CACHE PATH
    "Folder holding SQLite's sqlite3.c and sqlite3.h (empty: make them from Debian's source)")

set(sqlite_dir ${TELV_SQLITE_AMALGAMATION_DIR})
if(NOT sqlite_dir)
  set(sqlite_version 3.40.1)
  set(sqlite_url
      "http://deb.debian.org/debian/pool/main/s/sqlite3/sqlite3_${sqlite_version}.orig.tar.xz")
  set(sqlite_hash aaa776260ab4dc976db34aa7891819484c8676b5b2783123ebc6301e2ca5d655)
  set(sqlite_work ${CMAKE_BINARY_DIR}/_deps/sqlite)
  set(sqlite_dir ${sqlite_work}/amalgamation)
  if(NOT EXISTS ${sqlite_dir}/sqlite3.c)
    set(tarball ${sqlite_work}/sqlite3_${sqlite_version}.orig.tar.xz)
    message(STATUS "Fetching SQLite ${sqlite_version} source")
    file(DOWNLOAD ${sqlite_url} ${tarball} EXPECTED_HASH SHA256=${sqlite_hash} STATUS fetched)
    list(GET fetched 0 fetch_status)
    if(NOT fetch_status EQUAL 0)
      message(FATAL_ERROR "Could not fetch ${sqlite_url}: ${fetched}")
    endif()
    file(ARCHIVE_EXTRACT INPUT ${tarball} DESTINATION ${sqlite_work})
    set(source ${sqlite_work}/sqlite3-${sqlite_version})
    message(STATUS "Making the SQLite amalgamation")
    file(MAKE_DIRECTORY ${sqlite_dir})
    # The host's compiler, not the cross-compiler, builds the generators.
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env --unset=CC --unset=CFLAGS
              sh ${source}/configure --disable-tcl --disable-readline
      WORKING_DIRECTORY ${sqlite_dir} OUTPUT_QUIET RESULT_VARIABLE configured)
    if(configured EQUAL 0)
      execute_process(COMMAND make sqlite3.c WORKING_DIRECTORY ${sqlite_dir}
                      OUTPUT_QUIET RESULT_VARIABLE made)
    endif()
    if(NOT configured EQUAL 0 OR NOT made EQUAL 0)
      file(REMOVE ${sqlite_dir}/sqlite3.c)
      message(FATAL_ERROR "Could not make the SQLite amalgamation in ${sqlite_dir}")
    endif()
  endif()
endif()

add_library(telv_sqlite3 STATIC ${sqlite_dir}/sqlite3.c)
target_include_directories(telv_sqlite3 SYSTEM PUBLIC ${sqlite_dir})
target_compile_definitions(telv_sqlite3 PRIVATE SQLITE_OMIT_LOAD_EXTENSION SQLITE_THREADSAFE=1)
# Someone else's code: built as it comes, without this project's warnings.
target_compile_options(telv_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS telv_sqlite3)
