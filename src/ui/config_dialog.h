// The configuration dialog and the About box.
#pragma once

#include "platform/win32.h"

int ss_config();
INT_PTR CALLBACK ConfigDlgProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDlgProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// A message box owned by the dialog: the settings were not saved, where
// they are kept, and the system's text for `status` (save_config's).
void tell_settings_not_saved(HWND hWnd, long status);

int is_checked(HWND hWnd, int id);
void set_checked_state(HWND hWnd, int id, int checked);
int get_slider_pos(HWND hWnd, int id);
void set_slider_range(HWND hWnd, int id, int start, int end);
void set_slider_pos(HWND hWnd, int id, int val);
