#include "fakes/fake_windows.h"

#include <deque>

std::vector<fake_window> fake_windows;
POINT fake_cursor_pos;
bool fake_cursor_known;
int fake_screen_width, fake_screen_height;
int fake_cursor_count;
HWND fake_parent;
RECT fake_parent_rect;

namespace {

const UINT_PTR first_window_id = 0x1000;

WNDCLASSA registered_class;
std::string registered_class_name;
std::deque<MSG> queue;
bool quit_posted;
int quit_code;

std::vector<std::string> message_args(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return {log_pointer(hWnd), log_number(msg), log_number(wParam),
          log_number(static_cast<unsigned long long>(lParam))};
}

fake_window *find_window(HWND hWnd) {
  for (fake_window &w : fake_windows)
    if (w.hwnd == hWnd && w.alive) return &w;
  return nullptr;
}

LRESULT send(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return registered_class.lpfnWndProc(hWnd, msg, wParam, lParam);
}

}  // namespace

void fake_windows_reset() {
  fake_windows.clear();
  fake_cursor_pos = POINT{0, 0};
  fake_cursor_known = true;
  fake_screen_width = 1280;
  fake_screen_height = 720;
  fake_cursor_count = 0;
  fake_parent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(777));
  fake_parent_rect = RECT{10, 20, 162, 132};
  registered_class = WNDCLASSA{};
  registered_class_name.clear();
  queue.clear();
  quit_posted = false;
  quit_code = 0;
}

const WNDCLASSA &fake_registered_class() { return registered_class; }

std::vector<MSG> fake_queued_messages() {
  std::vector<MSG> messages(queue.begin(), queue.end());
  if (quit_posted) messages.push_back(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quit_code), 0, 0, {}});
  return messages;
}

ATOM WINAPI RegisterClassA(const WNDCLASSA *lpWndClass) {
  log_call("RegisterClassA", {lpWndClass->lpszClassName});
  if (!registered_class_name.empty()) return 0;
  registered_class = *lpWndClass;
  registered_class_name = lpWndClass->lpszClassName;
  return 0xC000;
}

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                            DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                            HWND hWndParent, HMENU, HINSTANCE, LPVOID) {
  log_call("CreateWindowExA", {log_number(dwExStyle), lpClassName, lpWindowName,
                               log_number(dwStyle), std::to_string(X), std::to_string(Y),
                               std::to_string(nWidth), std::to_string(nHeight),
                               log_pointer(hWndParent)});
  if (registered_class_name != lpClassName) return nullptr;
  if ((dwStyle & WS_CHILD) && (!hWndParent || hWndParent != fake_parent)) return nullptr;
  HWND hwnd = reinterpret_cast<HWND>(first_window_id + fake_windows.size());
  fake_windows.push_back(fake_window{hwnd, dwExStyle, dwStyle, X, Y, nWidth, nHeight, hWndParent, true});
  send(hwnd, WM_CREATE, 0, 0);
  return hwnd;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  log_call("ShowWindow", {log_pointer(hWnd), log_number(nCmdShow)});
  return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
  log_call("UpdateWindow", {log_pointer(hWnd)});
  return TRUE;
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND, UINT, UINT, UINT) {
  if (!queue.empty()) {
    *lpMsg = queue.front();
    queue.pop_front();
    return TRUE;
  }
  if (!quit_posted) return FALSE;
  *lpMsg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quit_code), 0, 0, {}};
  quit_posted = false;
  return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG *) { return FALSE; }

LRESULT WINAPI DispatchMessageA(const MSG *lpMsg) {
  if (!find_window(lpMsg->hwnd)) return 0;
  return send(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

// Like the system's: a close destroys the window, which first hears WM_DESTROY.
LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  log_call("DefWindowProcA", message_args(hWnd, Msg, wParam, lParam));
  if (Msg == WM_CLOSE) {
    fake_window *window = find_window(hWnd);
    if (window) {
      send(hWnd, WM_DESTROY, 0, 0);
      window->alive = false;
    }
  }
  return 0;
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  log_call("PostMessageA", message_args(hWnd, Msg, wParam, lParam));
  queue.push_back(MSG{hWnd, Msg, wParam, lParam, 0, {}});
  return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) {
  log_call("PostQuitMessage", {std::to_string(nExitCode)});
  quit_posted = true;
  quit_code = nExitCode;
}

int WINAPI ShowCursor(BOOL bShow) {
  log_call("ShowCursor", {bShow ? "TRUE" : "FALSE"});
  fake_cursor_count += bShow ? 1 : -1;
  return fake_cursor_count;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
  log_call("GetCursorPos", {});
  if (!fake_cursor_known) return FALSE;
  *lpPoint = fake_cursor_pos;
  return TRUE;
}

int WINAPI GetSystemMetrics(int nIndex) {
  if (nIndex == SM_CXSCREEN) return fake_screen_width;
  if (nIndex == SM_CYSCREEN) return fake_screen_height;
  return 0;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  log_call("GetWindowRect", {log_pointer(hWnd)});
  if (hWnd != fake_parent) return FALSE;
  *lpRect = fake_parent_rect;
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  const fake_window *window = find_window(hWnd);
  if (!window) return FALSE;
  *lpRect = RECT{0, 0, window->width, window->height};
  return TRUE;
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  log_call("LoadIconA", {log_pointer(hInstance), log_pointer(lpIconName)});
  return reinterpret_cast<HICON>(const_cast<char *>(lpIconName));
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
  log_call("LoadCursorA", {log_pointer(hInstance), log_pointer(lpCursorName)});
  return reinterpret_cast<HCURSOR>(const_cast<char *>(lpCursorName));
}
