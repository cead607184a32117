// An open dialog on GTK: its window and one record per control. The records
// are what dialog and control handles point at.
#pragma once

#include "platform/posix/dialog_templates.h"

#include <gtk/gtk.h>
#include <vector>

struct OpenDialog;

struct DialogItem {
  OpenDialog *dialog;
  const DialogItemTemplate *tmpl;
  int index;             // in the template, which is also the tab order
  DialogItemKind kind;
  GtkWidget *widget;
  GtkWidget *radio_off;  // radio buttons: a hidden partner, active while the button is clear
};

struct OpenDialog {
  const DialogTemplate *tmpl;
  DLGPROC proc;
  GtkWidget *window;
  GtkWidget *client;     // the client area, at whose origin dialog units start
  std::vector<DialogItem> items;  // sized once: items are addressed by pointer
  GMainLoop *loop;
  INT_PTR result;
  bool ended;
};

// Creates the window and the controls of `dialog` at their rectangles
// (dialog units converted for the dialog's font), placed on the screen or,
// with an owner, relative to the owner's client area. Nothing is shown yet.
void build_dialog_window(OpenDialog &dialog, OpenDialog *owner);

// Dresses a new top-level window as one of the program's dialogs: their
// look, the title, and a caption bar with a close box (and the question mark
// of context help) that shows even without a window manager.
void dress_as_dialog(GtkWidget *window, const char *caption, bool context_help);

// Frees what build_dialog_window made.
void destroy_dialog_window(OpenDialog &dialog);
