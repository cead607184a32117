// The five control routines: each finds the control by id and sends it one
// button or trackbar message.
#include "ui/config_dialog.h"

int is_checked(HWND hWnd, int id) {
  return SendMessageA(GetDlgItem(hWnd, id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void set_checked_state(HWND hWnd, int id, int checked) {
  SendMessageA(GetDlgItem(hWnd, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int get_slider_pos(HWND hWnd, int id) {
  return (int)SendMessageA(GetDlgItem(hWnd, id), TBM_GETPOS, 0, 0);
}

void set_slider_range(HWND hWnd, int id, int start, int end) {
  SendMessageA(GetDlgItem(hWnd, id), TBM_SETRANGE, TRUE, MAKELPARAM(start, end));
}

void set_slider_pos(HWND hWnd, int id, int val) {
  SendMessageA(GetDlgItem(hWnd, id), TBM_SETPOS, TRUE, (LPARAM)val);
}
