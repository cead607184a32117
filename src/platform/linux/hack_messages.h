// Message boxes in XScreenSaver's forms. A hack has nobody to answer a box
// (XScreenSaver's window covers the screen and the hack takes no input),
// so it shows none: the message is kept for the hack's run, which writes it
// on stderr as a hack reports a failure. Hacks open no dialogs: this
// toolkit has message boxes only.
#pragma once

#include <string>

#include "platform/emul/dialog_toolkit.h"

const dialog_toolkit *hack_message_toolkit();

// The messages given since the last call, "; " between two; empty for none.
std::string take_hack_messages();
