// The switch scan of the saver's command line.
#pragma once

// Scans the whole line and leaves the last switch's choice in ss_mode (and,
// for a preview switch, the parent window in hInvokedParent). Never reads
// past the line's terminating NUL.
void scan_command_line(const char *line);
