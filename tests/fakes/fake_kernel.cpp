#include "fakes/fake_kernel.h"

DWORD fake_tick_count = 0;
std::string fake_debug_output;

void fake_kernel_reset() {
  fake_tick_count = 0;
  fake_debug_output.clear();
}

DWORD WINAPI GetTickCount() {
  log_call("GetTickCount", {});
  return fake_tick_count;
}

// Time passes only by sleeping, so a test sees exactly the sleeps it caused.
void WINAPI Sleep(DWORD dwMilliseconds) {
  log_call("Sleep", {std::to_string(dwMilliseconds)});
  fake_tick_count += dwMilliseconds;
}

void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
  fake_debug_output += lpOutputString;
  log_call("OutputDebugStringA", {lpOutputString});
}
