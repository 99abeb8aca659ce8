# Installation and packages, for the builds that are not Windows (whose zips
# packaging_windows.cmake makes): the tool, the stand-in client library and
# its admin command, their manual pages, the copyright and the changelog.
#
#   cmake --install build --prefix /opt/telv
#   cd build && cpack            # telvdelegate_1.0_<arch>.deb and a .tar.gz
#
# The stand-in library is this package's own and serves no other program,
# so it lies in a folder of its own that no loader search reaches,
# lib/<multiarch>/telvdelegate, where Debian keeps such private libraries,
# and the installed programs find it through the run path
# $ORIGIN/../<that folder>, relative to themselves, so that an installed or
# unpacked tree works wherever it lies. Being private, it needs no soname
# version, no ldconfig run and no maintainer scripts: CPack would add
# ldconfig calls for a library directly in lib or one folder below it. In
# the build tree the programs keep their build run path to build/bin.
# Tests, benchmarks and fuzz targets are not installed.
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/packaging_windows.cmake)
  return()
endif()

include(GNUInstallDirs)

set(TELV_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR})
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT TELV_PRIVATE_LIBDIR MATCHES "/${CMAKE_LIBRARY_ARCHITECTURE}$")
  string(APPEND TELV_PRIVATE_LIBDIR "/${CMAKE_LIBRARY_ARCHITECTURE}")
endif()
string(APPEND TELV_PRIVATE_LIBDIR "/telvdelegate")

set_target_properties(telvdelegate telvemu PROPERTIES
  INSTALL_RPATH "$ORIGIN/../${TELV_PRIVATE_LIBDIR}")

install(TARGETS telvdelegate telvemu
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS telvwin32
  LIBRARY DESTINATION ${TELV_PRIVATE_LIBDIR})

# Manual pages and the changelog are installed compressed, with gzip -9n:
# no name or time stamp inside, so that the same sources make the same
# package.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_files)
foreach(source IN ITEMS man/telvdelegate.1 man/telvemu.1 cmake/debian/changelog)
  get_filename_component(name ${source} NAME)
  set(copy ${PROJECT_BINARY_DIR}/compressed/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source} ${copy}
    COMMAND ${GZIP_PROGRAM} -9nf ${copy}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    COMMENT "Compressing ${source}" VERBATIM)
  list(APPEND compressed_files ${copy}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_files})
install(FILES ${PROJECT_BINARY_DIR}/compressed/telvdelegate.1.gz
              ${PROJECT_BINARY_DIR}/compressed/telvemu.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright
              ${PROJECT_BINARY_DIR}/compressed/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# CPack: a Debian package and an archive of the installed tree.
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_PACKAGE_NAME "telvdelegate")
set(CPACK_PACKAGE_VENDOR "telvdelegate maintainers")
set(CPACK_PACKAGE_CONTACT "telvdelegate maintainers <telvdelegate@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Manage in-box delegates on a Telvane fax server")
set(CPACK_PACKAGE_DESCRIPTION
  "telvdelegate lists the in-box delegations of a Telvane fax server, adds
them with one of five permission presets, deletes them by wildcard
patterns, and writes a listing file that a later run loads into a server,
for backup and restore.

This package holds the tool, a private stand-in client library
libtelvwin32.so, which emulates a server per name in a SQLite database,
and its admin command telvemu.")
# The archive holds the installed tree as it is (bin, lib, share) under one
# top folder; the Debian package puts the same tree under /usr.
set(CPACK_PACKAGE_FILE_NAME
  "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
# The packages carry the programs without their debugging information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME "telvdelegate")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION "admin")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Depends from the libraries the programs need, as dpkg-shlibdeps finds
# them. libtelvwin32.so is the package's own; dpkg-shlibdeps finds it
# through the programs' $ORIGIN run path in the staged tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The install prefix is per generator: /usr for the Debian package, none
# for the archive. CPack reads this file once for each generator.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} [[
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
endif()
]])

include(CPack)
