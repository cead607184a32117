// MessageBoxA as a GTK message dialog with an OK button, dressed like the
// program's dialogs; without a display the message goes to stderr. Closing it
// answers IDOK, as the close box of an OK-only box does on Windows.
#include "platform/win32.h"

#include "platform/posix/dialog_window.h"
#include "platform/posix/gtk_session.h"

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
  dress_as_dialog(box, caption, false);
  gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  focus_when_shown(box);
  gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
  while (gtk_events_pending()) gtk_main_iteration();
  return IDOK;
}
