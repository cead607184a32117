// Test programs that show real GTK dialogs install the GTK toolkit as the
// Linux main does; linked as an object, so it is always in.
#include "platform/gtk/dialogs.h"

namespace {

const bool installed = (use_dialog_toolkit(gtk_dialog_toolkit()), true);

}  // namespace
