#include "host/ssaver.h"

#include "host/command_line.h"
#include "host/saver_proc.h"
#include "render/torvane.h"
#include "ui/config_dialog.h"

int ss_mode = MODE_CONFIG;
HWND hInvokedParent;
const char *szAppName = "screensaver";
HINSTANCE hInst;
HWND hMainWnd;
int nScreenWidth;
int nScreenHeight;

namespace {

// Messages first, a frame whenever the queue is empty; ends with the quit
// message's code.
int run_main_loop() {
  MSG msg;
  for (;;) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    } else {
      ss_draw(hMainWnd);
      Sleep(1);
    }
  }
}

}  // namespace

int InitApplication(HINSTANCE hInstance) {
  WNDCLASSA wc = {};
  wc.style = 0;
  wc.lpfnWndProc = ScreenSaverProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = szAppName;
  return RegisterClassA(&wc);
}

int InitInstance(HINSTANCE hInstance, int nCmdShow) {
  hInst = hInstance;
  if (ss_mode == MODE_PREVIEW) {
    RECT parent = {};
    GetWindowRect(hInvokedParent, &parent);
    hMainWnd = CreateWindowExA(0, szAppName, szAppName,
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                               parent.right - parent.left, parent.bottom - parent.top,
                               hInvokedParent, nullptr, hInstance, nullptr);
  } else {
    hMainWnd = CreateWindowExA(WS_EX_TOPMOST, szAppName, szAppName,
                               WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                               nScreenWidth, nScreenHeight, nullptr, nullptr, hInstance, nullptr);
  }
  if (!hMainWnd) return 0;
  ShowWindow(hMainWnd, nCmdShow);
  UpdateWindow(hMainWnd);
  return 1;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  nScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  nScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  scan_command_line(lpCmdLine);
  return ss_run(hInstance, hPrevInstance, nCmdShow);
}

int ss_run(HINSTANCE hInstance, HINSTANCE hPrevInstance, int nCmdShow) {
  if (ss_mode == MODE_PASSWORD) return 0;
  if (ss_mode == MODE_CONFIG) {
    ss_config();  // ends the process
    return 0;
  }
  if (!hPrevInstance && !InitApplication(hInstance)) return 0;
  if (!InitInstance(hInstance, nCmdShow)) return 0;
  return run_main_loop();
}
