// Saver windows as X windows: creating, mapping, measuring and destroying
// them, and finding the saver window an X window belongs to.
#include "platform/x11/backend.h"
#include "platform/x11/display.h"

namespace {

const long full_screen_events = KeyPressMask | ButtonPressMask | ButtonReleaseMask |
                                PointerMotionMask | FocusChangeMask | StructureNotifyMask;
// A child leaves all input to its parent: unselected events travel up.
const long child_events = StructureNotifyMask;
const unsigned grabbed_pointer_events = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;

// Without a window manager nobody hands the full-screen window the
// keyboard, so it takes the focus and grabs keyboard and pointer itself.
// Another client may hold a grab for a moment (a menu closing): retry
// briefly. True once it holds both.
bool take_input(Display *display, Window id) {
  XSetInputFocus(display, id, RevertToParent, CurrentTime);
  bool keyboard = false, pointer = false;
  for (int attempt = 0; attempt < 100 && !(keyboard && pointer); attempt++) {
    if (attempt) Sleep(10);
    if (!keyboard)
      keyboard = XGrabKeyboard(display, id, False, GrabModeAsync, GrabModeAsync, CurrentTime) ==
                 GrabSuccess;
    if (!pointer)
      pointer = XGrabPointer(display, id, False, grabbed_pointer_events, GrabModeAsync,
                             GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
  }
  return keyboard && pointer;
}

}  // namespace

HWND x11_create_window(window_record *w) {
  Display *display = x11_display();
  Window root = DefaultRootWindow(display);
  Window parent = w->parent ? to_window(w->parent) : root;
  if (w->parent && !x11_window_exists(parent)) return nullptr;
  // A child of the root window is the root window itself: the saver draws
  // on it as XScreenSaver's hacks do, not in a window over everything.
  if (parent == root && w->parent) {
    w->parent = nullptr;
    XSelectInput(display, root, StructureNotifyMask);  // its size changes
    return to_hwnd(root);
  }

  XSetWindowAttributes attributes = {};
  attributes.background_pixmap = None;  // only the renderer paints
  // Above everything, window manager or not; a child of the root window is a
  // top-level window too, and no window manager's business either.
  attributes.override_redirect = w->full_screen || parent == root;
  attributes.event_mask = w->full_screen ? full_screen_events : child_events;
  // A full-screen window's screen is its monitor.
  POINT origin = w->full_screen ? x11_screen_origin() : POINT{0, 0};
  Window id = XCreateWindow(display, parent, origin.x + w->x, origin.y + w->y, w->width, w->height,
                            0, CopyFromParent, InputOutput, CopyFromParent,
                            CWBackPixmap | CWOverrideRedirect | CWEventMask, &attributes);
  if (!x11_window_exists(id)) return nullptr;  // the parent could not hold it
  XStoreName(display, id, w->title.c_str());
  if (w->parent)
    XSelectInput(display, parent, StructureNotifyMask);  // its end is ours
  else
    x11_accept_close_requests(id);  // the window manager's close is WM_CLOSE
  return to_hwnd(id);
}

void x11_show_window(window_record *w) {
  Display *display = x11_display();
  Window id = to_window(w->hwnd);
  if (id == DefaultRootWindow(display)) return;  // shown already
  if (w->full_screen) {
    XMapRaised(display, id);
    XSync(display, False);  // viewable before it can take the focus
    // Until it holds the input, and for good when another client keeps it
    // (another full-screen saver, or the one of its siblings on other
    // monitors that takes it), the saver hears raw input; raw events already
    // on their way when it stops still count.
    x11_hear_raw_input(true);
    if (x11_takes_input() && take_input(display, id)) x11_hear_raw_input(false);
  } else {
    XMapWindow(display, id);
  }
  XFlush(display);
}

// The root window is not the saver's to destroy: it gets its own
// background back.
void x11_destroy_window(window_record *w, bool gone) {
  Display *display = x11_display();
  Window id = to_window(w->hwnd);
  if (w->surface) x11_gl().destroy_surface(w->surface);
  if (id == DefaultRootWindow(display))
    XClearWindow(display, id);
  else if (!gone)
    XDestroyWindow(display, id);
  XFlush(display);
}

window_record *x11_owner_window(Window id) {
  Display *display = x11_display();
  while (id) {
    if (window_record *w = find_window(to_hwnd(id))) return w;
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, id, &root, &parent, &children, &count)) return nullptr;
    if (children) XFree(children);
    id = parent == root ? 0 : parent;
  }
  return nullptr;
}

bool x11_window_rect(HWND hWnd, RECT *rect) {
  Display *display = x11_display();
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, to_window(hWnd), &attributes)) return false;
  int x, y;
  Window child;
  XTranslateCoordinates(display, to_window(hWnd), attributes.root, 0, 0, &x, &y, &child);
  int border = attributes.border_width;
  *rect = RECT{x - border, y - border, x + attributes.width + border,
               y + attributes.height + border};
  return true;
}

bool x11_client_size(HWND hWnd, int *width, int *height) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(x11_display(), to_window(hWnd), &attributes)) return false;
  *width = attributes.width;
  *height = attributes.height;
  return true;
}
