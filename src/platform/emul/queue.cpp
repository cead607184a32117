// The message queue: posted messages, merged with the window system's events
// on every PeekMessageA, and the quit message once the queue is empty.
#include <deque>

#include "platform/emul/internal.h"
#include "platform/posix/termination.h"

namespace {

std::deque<MSG> queue;
bool quit_posted;
int quit_code;

// A termination signal closes every window, as input closes the saver's.
void close_on_termination() {
  if (!termination_requested()) return;
  int count;
  window_record *const *windows = all_windows(&count);
  for (int i = 0; i < count; i++) queue_message(windows[i]->hwnd, WM_CLOSE, 0, 0);
  if (count == 0) PostQuitMessage(0);
}

bool matches(const MSG &msg, HWND hWnd, UINT first, UINT last) {
  if (hWnd && msg.hwnd != hWnd) return false;
  return (first == 0 && last == 0) || (msg.message >= first && msg.message <= last);
}

bool take_message(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if (!matches(*it, hWnd, wMsgFilterMin, wMsgFilterMax)) continue;
    *lpMsg = *it;
    if (wRemoveMsg & PM_REMOVE) queue.erase(it);
    return true;
  }
  if (!quit_posted) return false;
  *lpMsg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quit_code), 0, 0, {}};
  if (wRemoveMsg & PM_REMOVE) quit_posted = false;
  return true;
}

}  // namespace

void queue_message(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  queue.push_back(MSG{hWnd, message, wParam, lParam, 0, {}});
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg) {
  close_on_termination();
  if (const window_system *backend = connected_window_system()) backend->pump();
  return take_message(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg) ? TRUE : FALSE;
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd && !find_window(hWnd)) return FALSE;
  queue_message(hWnd, Msg, wParam, lParam);
  return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) {
  quit_posted = true;
  quit_code = nExitCode;
}

BOOL WINAPI TranslateMessage(const MSG *) { return FALSE; }

LRESULT WINAPI DispatchMessageA(const MSG *lpMsg) {
  window_record *w = find_window(lpMsg->hwnd);
  if (!w) return 0;
  return w->proc(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM, LPARAM) {
  if (Msg == WM_CLOSE) destroy_window(hWnd);
  return 0;
}
