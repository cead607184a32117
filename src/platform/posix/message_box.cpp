// MessageBoxA as a GTK message dialog with an OK button, dressed like the
// program's dialogs; without a display the message goes to stderr. Closing it
// answers IDOK, as the close box of an OK-only box does on Windows.
#include "platform/win32.h"

#include "platform/posix/dialog_window.h"
#include "platform/posix/gtk_session.h"
#include "platform/posix/termination.h"

#include <cstdio>

namespace {

// Nobody is there to answer a box once SIGTERM or SIGINT asked the saver to
// end (XScreenSaver sends one when it is done with a hack): the box goes, and
// the window system then closes the saver as usual.
gboolean close_on_termination(gpointer box) {
  if (!termination_pending()) return G_SOURCE_CONTINUE;
  gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_CLOSE);
  return G_SOURCE_REMOVE;
}

}  // namespace

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT) {
  const char *text = lpText ? lpText : "";
  const char *caption = lpCaption ? lpCaption : "Error";
  if (!gtk_session_open()) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return IDOK;
  }
  GtkWidget *box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER,
                                          GTK_BUTTONS_OK, "%s", text);
  dress_as_dialog(box, caption, false);
  gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  focus_when_shown(box);
  g_timeout_add(100, close_on_termination, box);
  gtk_dialog_run(GTK_DIALOG(box));
  g_source_remove_by_user_data(box);  // when no signal came
  gtk_widget_destroy(box);
  while (gtk_events_pending()) gtk_main_iteration();
  return IDOK;
}
