# Installation and packages, for the builds that are not Windows (whose zips
# packaging_windows.cmake makes): the tool, the stand-in client library and
# its admin command, and the manual page.
#
#   cmake --install build --prefix /opt/telv
#   cd build && cpack            # telvdelegate_1.0_<arch>.deb and a .tar.gz
#
# The installed programs find libtelvwin32.so through the run path
# $ORIGIN/../<libdir>, relative to themselves, so that an installed or
# unpacked tree works wherever it lies. In the build tree they keep their
# build run path to build/bin. Tests, benchmarks and fuzz targets are not
# installed.
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/packaging_windows.cmake)
  return()
endif()

include(GNUInstallDirs)

set_target_properties(telvdelegate telvemu PROPERTIES
  INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")

install(TARGETS telvdelegate telvemu
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS telvwin32
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/man/telvdelegate.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# CPack: a Debian package and an archive of the installed tree.
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_PACKAGE_NAME "telvdelegate")
set(CPACK_PACKAGE_VENDOR "telvdelegate developers")
set(CPACK_PACKAGE_CONTACT "telvdelegate developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Manage in-box delegates on a Telvane fax server")
set(CPACK_PACKAGE_DESCRIPTION
  "telvdelegate lists the in-box delegations of a Telvane fax server, adds
them with one of five permission presets, deletes them by wildcard
patterns, and writes a listing file that a later run loads into a server,
for backup and restore.

This package holds the tool, the stand-in client library libtelvwin32.so,
which emulates a server per name in a SQLite database, and its admin
command telvemu.")
# The archive holds the installed tree as it is (bin, lib, share) under one
# top folder; the Debian package puts the same tree under /usr.
set(CPACK_PACKAGE_FILE_NAME
  "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
# The packages carry the programs without their debugging information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME "telvdelegate")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "telvdelegate developers")
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
