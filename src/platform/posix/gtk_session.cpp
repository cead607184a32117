#include "platform/posix/gtk_session.h"

#include "platform/posix/x11_display.h"

namespace {

bool open_session() {
  bool opened = gtk_init_check(nullptr, nullptr);
  if (!opened) x11_report_no_display();
  return opened;
}

}  // namespace

bool gtk_session_open() {
  static const bool opened = open_session();
  return opened;
}

static gboolean on_map_event(GtkWidget *window, GdkEvent *, gpointer) {
  gtk_window_present(GTK_WINDOW(window));
  return FALSE;
}

void focus_when_shown(GtkWidget *window) {
  g_signal_connect(window, "map-event", G_CALLBACK(on_map_event), nullptr);
}
