// The configuration dialog and the About box.
#pragma once

#include "platform/win32.h"

int ss_config();
INT_PTR CALLBACK ConfigDlgProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDlgProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

int is_checked(HWND hWnd, int id);
void set_checked_state(HWND hWnd, int id, int checked);
int get_slider_pos(HWND hWnd, int id);
void set_slider_range(HWND hWnd, int id, int start, int end);
void set_slider_pos(HWND hWnd, int id, int val);
