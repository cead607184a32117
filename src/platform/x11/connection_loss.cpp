// A lost X connection ends the program at once with status 0: nothing is
// left to draw on, and exit handlers could touch the dead connection.
//
// Xlib hands the loss to its IO error handler, but only when Xlib itself
// notices it. Mesa's GLX and EGL also talk to the server through XCB
// directly, and on a lost connection XCB answers every request with no reply
// at all (a null pointer), which Mesa does not always check: when the server
// goes while Mesa loads its driver (a few hundred milliseconds at the first GL
// call), the next reply it asks for is null and it crashes. So the XCB calls
// through which any library waits for the server's answer are wrapped here,
// as the program's own definitions come first in the dynamic symbol lookup
// (x11/CMakeLists.txt exports them): a missing answer on a lost connection
// ends the program before its caller can go on without it.
//
// The main thread notices a loss at its next X call, which a long stretch
// of work without one (Mesa loading its driver, compiling its first
// shaders on a busy machine) can put off for a second or more; a thread that
// does nothing but wait for the server to hang up ends the program at once.
#include <dlfcn.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <cerrno>

#include "platform/x11/display.h"

namespace {

void *wait_for_hang_up(void *connection) {
  pollfd hang_up = {static_cast<int>(reinterpret_cast<intptr_t>(connection)), POLLRDHUP, 0};
  while (poll(&hang_up, 1, -1) < 0 && errno == EINTR) {
  }
  x11_connection_lost(nullptr);
}

template <typename Function>
Function next_definition(const char *name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

template <typename Answer>
Answer *answered(xcb_connection_t *connection, Answer *answer) {
  if (!answer && xcb_connection_has_error(connection)) x11_connection_lost(nullptr);
  return answer;
}

}  // namespace

int x11_connection_lost(Display *) { _exit(0); }

void x11_watch_connection(Display *display) {
  // Signals stay with the main thread, whose calls they are meant to interrupt.
  sigset_t all, before;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &before);
  pthread_t watcher;
  void *connection = reinterpret_cast<void *>(static_cast<intptr_t>(ConnectionNumber(display)));
  if (pthread_create(&watcher, nullptr, wait_for_hang_up, connection) == 0) pthread_detach(watcher);
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

extern "C" {

void *xcb_wait_for_reply(xcb_connection_t *c, unsigned int request, xcb_generic_error_t **e) {
  static const auto real = next_definition<decltype(&xcb_wait_for_reply)>("xcb_wait_for_reply");
  return answered(c, real(c, request, e));
}

void *xcb_wait_for_reply64(xcb_connection_t *c, uint64_t request, xcb_generic_error_t **e) {
  static const auto real =
      next_definition<decltype(&xcb_wait_for_reply64)>("xcb_wait_for_reply64");
  return answered(c, real(c, request, e));
}

// Null is also the answer "no error" here: only a lost connection ends.
xcb_generic_error_t *xcb_request_check(xcb_connection_t *c, xcb_void_cookie_t cookie) {
  static const auto real = next_definition<decltype(&xcb_request_check)>("xcb_request_check");
  return answered(c, real(c, cookie));
}

const xcb_query_extension_reply_t *xcb_get_extension_data(xcb_connection_t *c,
                                                          xcb_extension_t *ext) {
  static const auto real =
      next_definition<decltype(&xcb_get_extension_data)>("xcb_get_extension_data");
  return answered(c, real(c, ext));
}

}  // extern "C"
