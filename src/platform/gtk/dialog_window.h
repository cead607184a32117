// The GTK side of an open dialog: its window and one widget per control.
#pragma once

#include <gtk/gtk.h>

#include "platform/emul/dialog_toolkit.h"

struct toolkit_window {
  GtkWidget *window;
  GtkWidget *client;  // the client area, at whose origin dialog units start
  GMainLoop *loop;
};

struct toolkit_widget {
  GtkWidget *widget;
  GtkWidget *radio_off;  // radio buttons: a hidden partner, active while the button is clear
};

// Creates the window and the widgets of `d` at their rectangles (dialog
// units converted for the dialog's font), placed on the screen or, with an
// owner, relative to the owner's client area. Nothing is shown yet.
void build_dialog_window(open_dialog &d);

// Dresses a new top-level window as one of the program's dialogs: their
// look, the title, and a caption bar with a close box (and the question mark
// of context help) that shows even without a window manager.
void dress_as_dialog(GtkWidget *window, const char *caption, bool context_help);

// Frees what build_dialog_window made.
void destroy_dialog_window(open_dialog &d);
