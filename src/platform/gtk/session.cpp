#include "platform/gtk/session.h"

#include <X11/Xlib.h>

namespace {

// Opening an X display, GDK installs its own handler for a lost connection,
// which ends the program with status 1; the one in place before (the window
// system's: status 0) is put back, so the dialogs end like the saver.
bool open_keeping_connection_loss_handler() {
  XIOErrorHandler before = XSetIOErrorHandler(nullptr);
  XSetIOErrorHandler(before);
  bool opened = gtk_init_check(nullptr, nullptr);
  XSetIOErrorHandler(before);
  return opened;
}

}  // namespace

bool gtk_session_open() {
  static const bool opened = open_keeping_connection_loss_handler();
  return opened;
}

// Once: on Wayland, presenting a window that is shown maps it again.
static gboolean on_map_event(GtkWidget *window, GdkEvent *, gpointer) {
  g_signal_handlers_disconnect_by_func(window, reinterpret_cast<gpointer>(on_map_event), nullptr);
  gtk_window_present(GTK_WINDOW(window));
  return FALSE;
}

void focus_when_shown(GtkWidget *window) {
  g_signal_connect(window, "map-event", G_CALLBACK(on_map_event), nullptr);
}
