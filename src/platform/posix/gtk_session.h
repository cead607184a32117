// GTK for the dialogs and message boxes, opened once per process.
#pragma once

// Opens GTK on the first call; false (now and later) when there is no display.
bool gtk_session_open();
