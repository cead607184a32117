#include "host/saver_proc.h"

#include <cstdlib>

#include "host/ssaver.h"
#include "render/torvane.h"

namespace {

// Cursor position when the full-screen window was created; every movement
// is measured from here, so slow movement adds up. A window system that
// cannot tell where the pointer is (Wayland tells a window only once the
// pointer is over it) leaves it unknown; the first movement then sets it.
POINT prevPt;
bool start_known;

const int move_threshold = 10;

void post_close(HWND hWnd) { PostMessageA(hWnd, WM_CLOSE, 0, 0); }

bool moved_beyond_threshold(LPARAM lParam) {
  int x = LOWORD(lParam);
  int y = HIWORD(lParam);
  if (!start_known) {
    prevPt = POINT{x, y};
    start_known = true;
    return false;
  }
  return std::abs(x - prevPt.x) + std::abs(y - prevPt.y) > move_threshold;
}

// Full-screen only: input that ends the saver. Returns true when the message
// is swallowed instead of going to the default procedure.
bool handle_saver_input(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
      if (wParam == 0) post_close(hWnd);
      return false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      post_close(hWnd);
      return false;
    case WM_MOUSEMOVE:
      if (moved_beyond_threshold(lParam)) post_close(hWnd);
      return false;
    case WM_SYSCOMMAND:
      return wParam == SC_SCREENSAVE || wParam == SC_CLOSE;
    default:
      return false;
  }
}

void resize_viewport(HWND hWnd, LPARAM lParam) {
  if (!hRC) return;
  HDC hDC = GetDC(hWnd);
  wglMakeCurrent(hDC, hRC);
  resize(LOWORD(lParam), HIWORD(lParam));
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(hWnd, hDC);
}

}  // namespace

LRESULT CALLBACK DefScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      if (ss_mode == MODE_SAVER) {
        start_known = GetCursorPos(&prevPt);
        ShowCursor(FALSE);
      }
      ss_initialize(hWnd);
      break;
    case WM_DESTROY:
      ss_shutdown(hWnd);
      ShowCursor(TRUE);
      PostQuitMessage(0);
      break;
    default:
      if (ss_mode == MODE_SAVER && handle_saver_input(hWnd, msg, wParam, lParam)) return 0;
      break;
  }
  return DefWindowProcA(hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK ScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SIZE) resize_viewport(hWnd, lParam);
  return DefScreenSaverProc(hWnd, msg, wParam, lParam);
}
