# Windows install: `cmake --install <build>` leaves torvane.scr, ready for the
# user to right-click and "Install" (or copy into the system folder).
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

# `cpack --config <build>/CPackConfig.cmake` zips the program for download.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VENDOR "Fenwright Productions")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
# The zip lands in the build folder, wherever cpack is run from.
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
