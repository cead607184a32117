#include "platform/posix/gtk_session.h"

#include <gtk/gtk.h>

bool gtk_session_open() {
  static const bool opened = gtk_init_check(nullptr, nullptr);
  return opened;
}
