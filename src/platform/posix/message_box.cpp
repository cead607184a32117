// MessageBoxA as a GTK message dialog with an OK button; without a display
// the message goes to stderr.
#include "platform/win32.h"

#include "platform/posix/gtk_session.h"

#include <gtk/gtk.h>

#include <cstdio>

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT) {
  const char *text = lpText ? lpText : "";
  const char *caption = lpCaption ? lpCaption : "Error";
  if (!gtk_session_open()) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return IDOK;
  }
  GtkWidget *box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER,
                                          GTK_BUTTONS_OK, "%s", text);
  gtk_window_set_title(GTK_WINDOW(box), caption);
  gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
  while (gtk_events_pending()) gtk_main_iteration();
  return IDOK;
}
