// The dialog manager's seam to a widget toolkit. The manager (dialogs.cpp)
// keeps every control's state and the Windows rules: trackbars keep their
// position inside their range, an automatic radio button clears the rest of
// its group, Escape and the close box are IDCANCEL, Enter is the focused push
// button or else IDOK, Tab follows the template order. A toolkit (gtk/) only
// builds the widgets, shows the state it is told and reports what the user
// does.
#pragma once

#include <vector>

#include "platform/emul/dialog_templates.h"

struct toolkit_window;  // a toolkit's dialog window
struct toolkit_widget;  // a toolkit's control

struct open_dialog;

// One control of an open dialog; a control handle points at it.
struct dialog_control {
  open_dialog *dialog;
  const DialogItemTemplate *tmpl;
  int index;  // in the template, which is also the tab order
  DialogItemKind kind;
  int check;            // buttons: BST_CHECKED or BST_UNCHECKED
  int low, high, pos;   // trackbars: a new one runs from 0 to 100, at 0
  toolkit_widget *widget;
};

// A modal dialog while it runs; a dialog handle points at it.
struct open_dialog {
  const DialogTemplate *tmpl;
  DLGPROC proc;
  open_dialog *owner;
  std::vector<dialog_control> controls;  // sized once: controls are addressed by pointer
  INT_PTR result;
  bool ended;
  toolkit_window *window;
};

enum dialog_key { KEY_ESCAPE, KEY_ENTER, KEY_TAB, KEY_BACK_TAB };

struct dialog_toolkit {
  // Opens the toolkit on first use; false without a display.
  bool (*open)();
  // Creates d's window and widgets at their rectangles (on the screen, or
  // relative to the owner's client area); nothing shows yet.
  void (*build)(open_dialog &d);
  // Shows d and runs its modal loop until `stop`.
  void (*run)(open_dialog &d);
  void (*stop)(open_dialog &d);
  void (*destroy)(open_dialog &d);
  // Shows c's state (check, or range and position) after a message set it.
  void (*show_state)(dialog_control &c);
  void (*focus)(dialog_control &c);
  // The control with the keyboard focus, or null.
  dialog_control *(*focused)(open_dialog &d);
  // An OK-only message box, modal until answered or `end_message_box`.
  void (*message_box)(const char *text, const char *caption);
  void (*end_message_box)();
};

// The toolkit the program's dialogs and message boxes use; set once at start.
void use_dialog_toolkit(const dialog_toolkit *toolkit);
const dialog_toolkit *dialog_toolkit_in_use();

// Reports from a toolkit. A click on a button (a check box toggles, a radio
// button checks and clears the rest of its group), then WM_COMMAND:
void dialog_clicked(dialog_control &c);
// The user moved a trackbar.
void dialog_slid(dialog_control &c, int pos);
void dialog_key_pressed(open_dialog &d, dialog_key key);
void dialog_close_box(open_dialog &d);
// Called by the toolkit's modal loops (dialogs and message boxes) every
// 50 ms or so: dispatches the thread's messages, and on WM_QUIT ends the
// innermost loop.
void modal_loop_tick();
