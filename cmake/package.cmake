# The Debian package: `cpack` in a Linux build folder makes
# torvane_<version>_<arch>.deb there, installing under /usr what
# cmake/install.cmake lays out. Its library dependencies come from
# dpkg-shlibdeps.
if(WIN32)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Fenwright Productions")
set(CPACK_PACKAGE_CONTACT "Fenwright Productions <torvane@fenwright.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver | mate-screensaver")
# Control files with the permissions Debian's tools expect.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The summary is the synopsis; CPack indents these lines and marks the empty one.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "OpenGL screen saver: a lit, textured tube tumbling slowly")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Torvane draws a closed, lit and textured tube swept along one of three
curves in space, with bumps travelling along it while the whole scene
tumbles slowly, in one of four skins and with an optional reflection.

It runs full screen, as a preview or as its settings dialog, and as a hack
for XScreenSaver, whose settings program offers all of its settings, and
for mate-screensaver.")
include(CPack)
