#include "fakes/fake_kernel.h"

DWORD fake_tick_count = 0;
std::string fake_debug_output;

DWORD WINAPI GetTickCount() {
  call_log.push_back("GetTickCount()");
  return fake_tick_count;
}

// Time passes only by sleeping, so a test sees exactly the sleeps it caused.
void WINAPI Sleep(DWORD dwMilliseconds) {
  call_log.push_back(log_line("Sleep", {std::to_string(dwMilliseconds)}));
  fake_tick_count += dwMilliseconds;
}

void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
  fake_debug_output += lpOutputString;
  call_log.push_back(log_line("OutputDebugStringA", {lpOutputString}));
}
