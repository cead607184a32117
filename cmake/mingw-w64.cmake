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
# The saver computes in doubles, as the 64-bit build does: without these the
# i686 compiler keeps doubles in the x87's 80-bit registers, so the 32-bit
# saver's geometry would differ from the 64-bit one's. Needs a processor with
# SSE2 (every one that runs Windows 8 or later).
if(TORVANE_MINGW_ARCH STREQUAL "i686")
  set(CMAKE_C_FLAGS_INIT "-mfpmath=sse -msse2")
  set(CMAKE_CXX_FLAGS_INIT "-mfpmath=sse -msse2")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run under Wine: the 64-bit ones natively, the 32-bit ones
# under qemu-i386 (scripts/setup-w32; wine-run reads TORVANE_WINE_ARCH).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/wine-run)
