// Start-up, run modes and the main loop.
#pragma once

#include "platform/win32.h"

enum { MODE_CONFIG = 0, MODE_PASSWORD = 1, MODE_SAVER = 2, MODE_PREVIEW = 3 };

extern int ss_mode;
extern HWND hInvokedParent;
extern const char *szAppName;
extern HINSTANCE hInst;
extern HWND hMainWnd;
extern int nScreenWidth;
extern int nScreenHeight;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// What WinMain does once its scan has chosen ss_mode (and, for a preview,
// hInvokedParent): the dialog, the password request's end, or the saver
// window and its main loop. For a home that knows the mode without a
// command line. (XScreenSaver's forms on Linux make the window with
// InitApplication and InitInstance and run a paced loop of their own.)
int ss_run(HINSTANCE hInstance, HINSTANCE hPrevInstance, int nCmdShow);
int InitApplication(HINSTANCE hInstance);
int InitInstance(HINSTANCE hInstance, int nCmdShow);
