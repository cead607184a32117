# Cross build for Windows with MinGW-w64. TORVANE_MINGW_ARCH is x86_64 or i686.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT TORVANE_MINGW_ARCH)
  set(TORVANE_MINGW_ARCH x86_64)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${TORVANE_MINGW_ARCH})
set(triple ${TORVANE_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Only the 64-bit programs can run here (Debian's wine64); the 32-bit build
# is compiled and linked, not run.
if(TORVANE_MINGW_ARCH STREQUAL "x86_64")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/wine-run)
endif()
