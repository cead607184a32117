#include "platform/gtk/session.h"

bool gtk_session_open() {
  static const bool opened = gtk_init_check(nullptr, nullptr);
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
