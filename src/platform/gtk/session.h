// GTK for the dialogs and message boxes, opened once per process.
#pragma once

#include <gtk/gtk.h>

// Opens GTK on the first call; false (now and later) when there is no display.
bool gtk_session_open();

// Gives `window` the keyboard once it is on the screen, as Windows does for
// a new dialog; without a window manager nobody else would.
void focus_when_shown(GtkWidget *window);
