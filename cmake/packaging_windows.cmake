# The Windows packages, one pair of zips per architecture:
#
#   telvdelegate-1.0-windows-<arch>.zip           telvdelegate.exe, its manual
#                                                 as text, the README
#   telvdelegate-emulator-1.0-windows-<arch>.zip  the stand-in TELVWIN32.dll
#                                                 and telvemu.exe with its
#                                                 manual as text, for trying
#                                                 the tool out
#
# The tool's zip holds no TELVWIN32.dll: beside the tool it would be loaded
# instead of the vendor's. Unpacked into one folder the two make a tool
# that runs against emulated servers. The programs are stripped.
#
#   cd build-windows && cpack
install(TARGETS telvdelegate RUNTIME DESTINATION . COMPONENT tool)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . COMPONENT tool)

if(TARGET telvemu)
  install(TARGETS telvwin32 telvemu RUNTIME DESTINATION . COMPONENT emulator)
endif()

# The manual pages as plain text with CR LF line ends, which any Windows
# editor shows, made with groff where the build has it: the tool's in its
# zip, telvemu's in the emulator's.
find_program(TELV_GROFF groff)
function(telv_manual_text page component)
  set(manual ${PROJECT_BINARY_DIR}/${page}.txt)
  add_custom_command(OUTPUT ${manual}
    COMMAND sh -c "\"$0\" -t -man -Tascii -P-cbou \"$1\" | sed 's/$/\\r/' > \"$2\""
            ${TELV_GROFF} ${PROJECT_SOURCE_DIR}/man/${page}.1 ${manual}
    DEPENDS ${PROJECT_SOURCE_DIR}/man/${page}.1
    COMMENT "Making the manual page ${page}.1 as text" VERBATIM)
  add_custom_target(${page}_manual ALL DEPENDS ${manual})
  install(FILES ${manual} DESTINATION . COMPONENT ${component})
endfunction()
if(TELV_GROFF)
  telv_manual_text(telvdelegate tool)
  if(TARGET telvemu)
    telv_manual_text(telvemu emulator)
  endif()
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME "telvdelegate")
set(CPACK_PACKAGE_VENDOR "telvdelegate developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Manage in-box delegates on a Telvane fax server")
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tool)
if(TARGET telvemu)
  list(APPEND CPACK_COMPONENTS_ALL emulator)
endif()
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(platform windows-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_ARCHIVE_TOOL_FILE_NAME "telvdelegate-${PROJECT_VERSION}-${platform}")
set(CPACK_ARCHIVE_EMULATOR_FILE_NAME "telvdelegate-emulator-${PROJECT_VERSION}-${platform}")
include(CPack)
