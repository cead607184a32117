#include "platform/gtk/session.h"

bool gtk_session_open() {
  static const bool opened = gtk_init_check(nullptr, nullptr);
  return opened;
}

static gboolean on_map_event(GtkWidget *window, GdkEvent *, gpointer) {
  gtk_window_present(GTK_WINDOW(window));
  return FALSE;
}

void focus_when_shown(GtkWidget *window) {
  g_signal_connect(window, "map-event", G_CALLBACK(on_map_event), nullptr);
}
