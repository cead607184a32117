# Windows install: `cmake --install <build>` leaves torvane.scr, stripped,
# ready for the user to right-click and "Install" (or copy into the system
# folder). `cpack` packs the same into a zip and an installer.
# Nothing is installed on Linux this way; the native program runs from the build.
if(NOT WIN32)
  return()
endif()

# Cross builds install into a folder inside the build tree unless told
# otherwise: the defaults ("C:/Program Files/...", or /usr/local in a build
# folder made before this rule) mean nothing for a Windows program here.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT OR
   (CMAKE_CROSSCOMPILING AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local"))
  set(CMAKE_INSTALL_PREFIX ${CMAKE_BINARY_DIR}/dist CACHE PATH "Install folder" FORCE)
endif()

install(TARGETS torvane RUNTIME DESTINATION .)
# The build's program keeps its debug sections; what is handed on does not.
# strip stamps a Windows program with the time it runs unless given one; the
# build's time makes every install of one build the same file.
set(strip_installed [[
  file(TIMESTAMP "$<TARGET_FILE:torvane>" built %s UTC)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env SOURCE_DATE_EPOCH=${built}
    "@CMAKE_STRIP@" "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/$<TARGET_FILE_NAME:torvane>"
    COMMAND_ERROR_IS_FATAL ANY)
]])
string(CONFIGURE "${strip_installed}" strip_installed @ONLY)
install(CODE "${strip_installed}")

# `cpack --config <build>/CPackConfig.cmake` makes the zip and the installer
# (`-G ZIP` or `-G NSIS` for one of them). The installer is made from
# cmake/nsis/NSIS.template.in.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VENDOR "Fenwright Productions")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_TORVANE_NSIS_TARGET amd64-unicode)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
else()
  set(CPACK_SYSTEM_NAME win32)
  set(CPACK_TORVANE_NSIS_TARGET x86-unicode)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
endif()
set(CPACK_TORVANE_VERSION_QUAD ${TORVANE_VERSION_QUAD})
set(CPACK_NSIS_DISPLAY_NAME "Torvane Screensaver")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Torvane)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Torvane)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/torvane.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/torvane.ico)
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/nsis)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The packages land in the build folder, wherever cpack is run from.
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
