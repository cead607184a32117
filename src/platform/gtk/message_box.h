// The message box's GTK widget.
#pragma once

// Shows an OK-only box dressed like the program's dialogs and waits until it
// is answered or end_message_box is called.
void run_message_box(const char *text, const char *caption);
void end_message_box();
