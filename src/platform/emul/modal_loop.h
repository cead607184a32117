// The modal loops of MessageBoxA (message_box.cpp) and DialogBoxParamA
// (dialogs.cpp), ended by WM_QUIT as Windows ends them.
#pragma once

// Ends the open message box, which then answers 0; false when none is open.
bool quit_message_box();
// Ends the innermost dialog, which then returns 0.
void quit_innermost_dialog();
