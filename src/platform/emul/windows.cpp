// The window table and the Win32 calls that create, show, measure and
// destroy windows. The native window behind each record is the backend's.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/emul/internal.h"
#include "platform/emul/window_system.h"
#include "platform/posix/termination.h"

namespace {

const window_system *chosen_backend;
std::vector<window_record *> windows;

void forget(window_record *w) {
  windows.erase(std::find(windows.begin(), windows.end(), w));
  note_saver_windows(!windows.empty());
  delete w;
}

// WM_DESTROY while the window still stands, as on Windows; then the native
// window goes (unless the window system took it already). A frame pending
// on a window that is gone cannot be shown any more.
void destroy(window_record *w, bool gone) {
  if (gone) forget_surface_of(w);
  w->proc(w->hwnd, WM_DESTROY, 0, 0);
  forget_surface_of(w);
  if (const window_system *backend = connected_window_system())
    backend->destroy_window(w, gone);
  forget(w);
}

}  // namespace

void use_window_system(const window_system *backend) { chosen_backend = backend; }

const window_system *connected_window_system() {
  return chosen_backend && chosen_backend->connect() ? chosen_backend : nullptr;
}

void report_no_display() {
  const char *name = chosen_backend ? chosen_backend->display_name() : "";
  if (*name)
    std::fprintf(stderr, "torvane: cannot open display \"%s\"\n", name);
  else
    std::fputs("torvane: cannot open display: DISPLAY is not set\n", stderr);
}

window_record *find_window(HWND hWnd) {
  if (!hWnd) return nullptr;
  for (window_record *w : windows)
    if (w->hwnd == hWnd) return w;
  return nullptr;
}

window_record *window_with_parent(HWND parent) {
  if (!parent) return nullptr;
  for (window_record *w : windows)
    if (w->parent == parent) return w;
  return nullptr;
}

window_record *const *all_windows(int *count) {
  *count = static_cast<int>(windows.size());
  return windows.data();
}

void window_input(window_record *w, UINT message, WPARAM wParam, LPARAM lParam) {
  queue_message(w->hwnd, message, wParam, lParam);
}

void window_resized(window_record *w, int width, int height) {
  if (w->width == width && w->height == height) return;
  // The pending frame is shown at the size it was drawn for.
  present_swap_on(w);
  w->width = width;
  w->height = height;
  if (w->surface) connected_window_system()->resize_surface(w);
  queue_message(w->hwnd, WM_SIZE, 0, MAKELPARAM(width, height));
}

void window_close_requested(window_record *w) { queue_message(w->hwnd, WM_CLOSE, 0, 0); }

void window_vanished(window_record *w) { destroy(w, true); }

void destroy_window(HWND hWnd) {
  if (window_record *w = find_window(hWnd)) destroy(w, false);
}

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                            DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                            HWND hWndParent, HMENU, HINSTANCE, LPVOID) {
  WNDPROC proc = class_procedure(lpClassName);
  if (!proc) return nullptr;
  const window_system *backend = connected_window_system();
  if (!backend) {
    report_no_display();
    return nullptr;
  }

  // Only a preview is a child: its parent came from the command line, where
  // a missing id, 0 or a word leaves none.
  bool child = dwStyle & WS_CHILD;
  if (child && !hWndParent) {
    std::fputs("torvane: no preview: its window id is missing, 0 or not a number\n", stderr);
    return nullptr;
  }
  window_record *w = new window_record{};
  w->proc = proc;
  w->full_screen = (dwStyle & WS_POPUP) && (dwExStyle & WS_EX_TOPMOST);
  w->parent = child ? hWndParent : nullptr;
  w->x = X;
  w->y = Y;
  // No window system has empty windows.
  w->width = std::max(1, nWidth);
  w->height = std::max(1, nHeight);
  w->title = lpWindowName ? lpWindowName : "";
  w->hwnd = backend->create_window(w);
  if (!w->hwnd) {
    delete w;
    return nullptr;
  }
  windows.push_back(w);
  note_saver_windows(true);

  // A modal loop inside WM_CREATE (an error box) dispatches messages, so
  // the window may be gone by the time creation would go on.
  HWND hwnd = w->hwnd;
  apply_cursor_state(w);
  proc(hwnd, WM_CREATE, 0, 0);
  if (!find_window(hwnd)) return nullptr;
  proc(hwnd, WM_SIZE, 0, MAKELPARAM(w->width, w->height));
  if (!find_window(hwnd)) return nullptr;
  if (dwStyle & WS_VISIBLE) ShowWindow(hwnd, SW_SHOWNORMAL);
  return hwnd;
}

BOOL WINAPI ShowWindow(HWND hWnd, int) {
  window_record *w = find_window(hWnd);
  if (!w) return FALSE;
  bool was_visible = w->shown;
  if (!w->shown) {
    w->shown = true;
    connected_window_system()->show_window(w);
  }
  return was_visible;
}

BOOL WINAPI UpdateWindow(HWND hWnd) { return find_window(hWnd) ? TRUE : FALSE; }

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  const window_system *backend = connected_window_system();
  return hWnd && backend && backend->window_rect(hWnd, lpRect);
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  const window_system *backend = connected_window_system();
  int width, height;
  if (!hWnd || !backend || !backend->client_size(hWnd, &width, &height)) return FALSE;
  *lpRect = RECT{0, 0, width, height};
  return TRUE;
}

int WINAPI GetSystemMetrics(int nIndex) {
  const window_system *backend = connected_window_system();
  return backend ? backend->screen_metric(nIndex) : 0;
}
