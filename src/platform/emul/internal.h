// What the files of emul/ share among themselves.
#pragma once

#include "platform/emul/window_system.h"

// classes.cpp: the procedure registered for a class name, or null.
WNDPROC class_procedure(LPCSTR class_name);

// queue.cpp: appends a posted message.
void queue_message(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// cursor.cpp: shows or hides the pointer over w as ShowCursor's counter says.
void apply_cursor_state(window_record *w);

// gl.cpp: the swap SwapBuffers left pending on w is carried out now (w's
// surface is about to change size), or forgotten with w as the current
// window (w's native window is gone, or going).
void present_swap_on(window_record *w);
void forget_surface_of(window_record *w);

// windows.cpp: WM_DESTROY, then the window goes (DefWindowProcA's WM_CLOSE).
void destroy_window(HWND hWnd);
