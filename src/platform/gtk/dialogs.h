// The dialog toolkit over GTK 3: what the Linux main installs.
#pragma once

#include "platform/emul/dialog_toolkit.h"

const dialog_toolkit *gtk_dialog_toolkit();
