// Windows are X windows: the handle is the X window id. This file keeps the
// table of the saver's windows and creates, shows, measures and destroys them.
#include <time.h>

#include "platform/posix/termination.h"
#include "platform/posix/windows_internal.h"
#include "platform/posix/x11_display.h"

namespace {

std::vector<x11_window> windows;

const long full_screen_events = KeyPressMask | ButtonPressMask | ButtonReleaseMask |
                                PointerMotionMask | FocusChangeMask | StructureNotifyMask;
// A child leaves all input to its parent: unselected events travel up.
const long child_events = StructureNotifyMask;
const unsigned grabbed_pointer_events = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;

void sleep_milliseconds(long ms) {
  timespec pause = {0, ms * 1000000L};
  nanosleep(&pause, nullptr);
}

// Without a window manager nobody hands the full-screen window the
// keyboard, so it takes the focus and grabs keyboard and pointer itself.
// Another client may hold a grab for a moment (a menu closing): retry briefly.
void take_input(Display *display, Window id) {
  XSetInputFocus(display, id, RevertToParent, CurrentTime);
  bool keyboard = false, pointer = false;
  for (int attempt = 0; attempt < 100 && !(keyboard && pointer); attempt++) {
    if (attempt) sleep_milliseconds(10);
    if (!keyboard)
      keyboard = XGrabKeyboard(display, id, False, GrabModeAsync, GrabModeAsync, CurrentTime) ==
                 GrabSuccess;
    if (!pointer)
      pointer = XGrabPointer(display, id, False, grabbed_pointer_events, GrabModeAsync,
                             GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
  }
}

void map_window(Display *display, x11_window &w) {
  if (w.mapped) return;
  w.mapped = true;
  if (w.topmost) {
    XMapRaised(display, w.id);
    XSync(display, False);  // viewable before it can take the focus
    take_input(display, w.id);
  } else {
    XMapWindow(display, w.id);
  }
  XFlush(display);
}

bool window_exists(Display *display, Window id) {
  XWindowAttributes attributes;
  return id && XGetWindowAttributes(display, id, &attributes);
}

// Any X window, the saver's or not (a preview's parent); false when there is
// no display or no such window.
bool query_attributes(Display *display, HWND hWnd, XWindowAttributes *attributes) {
  return display && hWnd && XGetWindowAttributes(display, to_window(hWnd), attributes);
}

// A top-level window takes the window manager's close as WM_CLOSE.
void accept_close_requests(Display *display, Window id) {
  Atom delete_window = wm_delete_window_atom();
  XSetWMProtocols(display, id, &delete_window, 1);
}

// A new window, or 0 when the parent could not hold it.
Window create_x_window(Display *display, Window parent, int x, int y, int width, int height,
                       bool topmost) {
  XSetWindowAttributes attributes = {};
  attributes.background_pixmap = None;  // only the renderer paints
  // Above everything, window manager or not: a top-level window of the
  // saver's is no window manager's business.
  attributes.override_redirect = topmost || parent == DefaultRootWindow(display);
  attributes.event_mask = topmost ? full_screen_events : child_events;
  Window id = XCreateWindow(display, parent, x, y, width, height, 0, CopyFromParent, InputOutput,
                            CopyFromParent, CWBackPixmap | CWOverrideRedirect | CWEventMask,
                            &attributes);
  return window_exists(display, id) ? id : 0;
}

}  // namespace

std::vector<x11_window> &x11_windows() { return windows; }

x11_window *find_x11_window(Window id) {
  for (x11_window &w : windows)
    if (w.id == id) return &w;
  return nullptr;
}

x11_window *owner_x11_window(Window id) {
  Display *display = x11_display();
  while (id) {
    if (x11_window *w = find_x11_window(id)) return w;
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, id, &root, &parent, &children, &count)) return nullptr;
    if (children) XFree(children);
    id = parent == root ? 0 : parent;
  }
  return nullptr;
}

void destroy_x11_window(Window id, bool already_gone) {
  x11_window *w = find_x11_window(id);
  if (!w) return;
  bool foreign = w->foreign;
  w->proc(to_hwnd(id), WM_DESTROY, 0, 0);
  for (auto it = windows.begin(); it != windows.end(); ++it)
    if (it->id == id) {
      windows.erase(it);
      break;
    }
  note_saver_windows(!windows.empty());
  Display *display = x11_display();
  if (foreign)
    XClearWindow(display, id);  // its own background again
  else if (!already_gone)
    XDestroyWindow(display, id);
  XFlush(display);
}

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                            DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                            HWND hWndParent, HMENU, HINSTANCE, LPVOID) {
  WNDPROC proc = class_procedure(lpClassName);
  if (!proc) return nullptr;
  Display *display = x11_display();
  if (!display) {
    x11_report_no_display();
    return nullptr;
  }

  bool child = dwStyle & WS_CHILD;
  Window parent = child ? to_window(hWndParent) : DefaultRootWindow(display);
  if (child && !window_exists(display, parent)) return nullptr;
  // A child of the root window is the root window itself: the saver draws
  // on it as XScreenSaver's hacks do, not in a window over everything.
  bool on_root = child && parent == DefaultRootWindow(display);
  // X has no empty windows.
  int width = nWidth > 0 ? nWidth : 1, height = nHeight > 0 ? nHeight : 1;

  x11_window w = {};
  w.proc = proc;
  w.watched_parent = child && !on_root ? parent : 0;
  w.width = width;
  w.height = height;
  w.topmost = (dwStyle & WS_POPUP) && (dwExStyle & WS_EX_TOPMOST);
  w.foreign = on_root;
  w.mapped = on_root;
  if (on_root) {
    w.id = parent;
    XSelectInput(display, parent, StructureNotifyMask);  // its size changes
  } else {
    w.id = create_x_window(display, parent, X, Y, width, height, w.topmost);
    if (!w.id) return nullptr;
    XStoreName(display, w.id, lpWindowName ? lpWindowName : "");
    if (child)
      XSelectInput(display, parent, StructureNotifyMask);  // its end is ours
    else
      accept_close_requests(display, w.id);
  }
  windows.push_back(w);
  note_saver_windows(true);

  HWND hwnd = to_hwnd(w.id);
  apply_cursor_state(w.id);
  proc(hwnd, WM_CREATE, 0, 0);
  proc(hwnd, WM_SIZE, 0, MAKELPARAM(width, height));
  x11_window *created = find_x11_window(w.id);
  if (!created) return nullptr;  // gone during creation
  if (dwStyle & WS_VISIBLE) map_window(display, *created);
  return hwnd;
}

BOOL WINAPI ShowWindow(HWND hWnd, int) {
  x11_window *w = find_x11_window(to_window(hWnd));
  if (!w) return FALSE;
  bool was_visible = w->mapped;
  map_window(x11_display(), *w);
  return was_visible;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
  if (!find_x11_window(to_window(hWnd))) return FALSE;
  XFlush(x11_display());
  return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  Display *display = x11_display();
  XWindowAttributes attributes;
  if (!query_attributes(display, hWnd, &attributes)) return FALSE;
  int x, y;
  Window child;
  XTranslateCoordinates(display, to_window(hWnd), attributes.root, 0, 0, &x, &y, &child);
  int border = attributes.border_width;
  lpRect->left = x - border;
  lpRect->top = y - border;
  lpRect->right = x + attributes.width + border;
  lpRect->bottom = y + attributes.height + border;
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  XWindowAttributes attributes;
  if (!query_attributes(x11_display(), hWnd, &attributes)) return FALSE;
  *lpRect = RECT{0, 0, attributes.width, attributes.height};
  return TRUE;
}

int WINAPI GetSystemMetrics(int nIndex) {
  Display *display = x11_display();
  if (!display) return 0;
  int screen = DefaultScreen(display);
  if (nIndex == SM_CXSCREEN) return DisplayWidth(display, screen);
  if (nIndex == SM_CYSCREEN) return DisplayHeight(display, screen);
  return 0;
}
