// An OK-only GTK message dialog, dressed like the program's dialogs.
#include "platform/gtk/message_box.h"

#include "platform/gtk/dialog_window.h"
#include "platform/gtk/session.h"

namespace {

GtkWidget *open_box;

}  // namespace

void run_message_box(const char *text, const char *caption) {
  GtkWidget *box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER,
                                          GTK_BUTTONS_OK, "%s", text);
  dress_as_dialog(box, caption, false);
  gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  focus_when_shown(box);
  open_box = box;
  gtk_dialog_run(GTK_DIALOG(box));
  open_box = nullptr;
  gtk_widget_destroy(box);
  while (gtk_events_pending()) gtk_main_iteration();
}

void end_message_box() {
  if (open_box) gtk_dialog_response(GTK_DIALOG(open_box), GTK_RESPONSE_CLOSE);
}
