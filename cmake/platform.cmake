# The saver's modules see their platform only through src/platform/win32.h.
# `torvane_platform` is what a program links to get that surface for real:
# the Win32 system libraries on Windows, the posix/ areas elsewhere.
add_library(torvane_platform INTERFACE)
if(WIN32)
  target_link_libraries(torvane_platform INTERFACE
    opengl32 gdi32 user32 advapi32 comctl32 kernel32)
endif()
# On Linux src/platform/posix/CMakeLists.txt adds its areas to this target.

# The registry alone, for the settings store and its tests.
add_library(torvane_registry INTERFACE)
if(WIN32)
  target_link_libraries(torvane_registry INTERFACE advapi32)
endif()
