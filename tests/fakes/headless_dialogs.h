// Dialogs without a display, for driving dialog procedures in tests: the
// platform's own dialog manager (DialogBoxParamA, EndDialog, GetDlgItem,
// SendMessageA with the Windows rules for trackbars and automatic radio
// buttons) over a toolkit without widgets, whose user is the test.
#pragma once

#include "platform/win32.h"

#include <functional>

// What the user does while the named dialog is open (name matched ignoring
// case). DialogBoxParamA calls it after WM_INITDIALOG; it returns when the
// dialog ends. Without one, the dialog ends at once with -1. The running
// test fails if the user is never reached (support/must_run.h).
void headless_on_open(const char *name, std::function<void(HWND)> user);

// Forgets every user action; dialogs open again.
void headless_reset();

// DialogBoxParamA fails as without a display (-1) while this is set.
void headless_set_no_display(bool no_display);

// A mouse click on a control: check boxes toggle, radio buttons check and
// clear the rest of their group, then the dialog procedure gets WM_COMMAND.
void headless_click(HWND dialog, int id);

// The Escape key or the close box: WM_COMMAND with IDCANCEL.
void headless_escape(HWND dialog);

// Drags a trackbar to `pos`, which the trackbar keeps inside its range.
void headless_drag(HWND dialog, int id, int pos);

// Whether the dialog is still open (EndDialog not yet called).
bool headless_is_open(HWND dialog);

// The handle of the innermost open dialog, or null.
HWND headless_top_dialog();
