// Kernel services: the millisecond tick count, sleeping, debug output.
#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/win32.h"

// Milliseconds of the monotonic clock, wrapping at 2^32 like the Win32 count
// (about every 49.7 days); callers take unsigned differences.
DWORD WINAPI GetTickCount() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<DWORD>(static_cast<unsigned long long>(now.tv_sec) * 1000u +
                            static_cast<unsigned long long>(now.tv_nsec) / 1000000u);
}

void WINAPI Sleep(DWORD dwMilliseconds) {
  timespec wait;
  wait.tv_sec = dwMilliseconds / 1000;
  wait.tv_nsec = static_cast<long>(dwMilliseconds % 1000) * 1000000L;
  while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

// No debugger to talk to: the text goes to standard error as it is.
void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
  if (lpOutputString) std::fputs(lpOutputString, stderr);
}
