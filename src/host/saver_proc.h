// The saver window's procedures.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK ScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DefScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
