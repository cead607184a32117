// Shows one message box (text and caption from the command line) for the
// end-to-end test of MessageBoxA; ends with 0 when it answered IDOK. It takes
// SIGTERM and SIGINT as the saver does while its window exists: the box's
// modal loop finds the quit the signal brings, and the probe ends with 0.
#include "platform/posix/termination.h"
#include "platform/win32.h"

int main(int argc, char **argv) {
  if (argc != 3) return 2;
  take_process_signals();
  note_saver_windows(true);
  int answer = MessageBoxA(nullptr, argv[1], argv[2], MB_OK);
  finish_if_terminated();
  return answer == IDOK ? 0 : 1;
}
