// Shows one message box (text and caption from the command line) for the
// end-to-end test of MessageBoxA; ends with 0 when it answered IDOK. It takes
// SIGTERM and SIGINT as the saver does while its window exists.
#include "platform/posix/termination.h"
#include "platform/win32.h"

int main(int argc, char **argv) {
  if (argc != 3) return 2;
  close_on_termination_signals();
  note_saver_windows(true);
  return MessageBoxA(nullptr, argv[1], argv[2], MB_OK) == IDOK ? 0 : 1;
}
