// The About box: only "Sure" closes it; Escape and the close box leave it open.
#include "ui/config_dialog.h"

INT_PTR CALLBACK AboutDlgProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (Msg == WM_COMMAND && LOWORD(wParam) == IDOK) EndDialog(hWnd, 42);
  return 0;
}
