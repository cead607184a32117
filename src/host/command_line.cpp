#include "host/command_line.h"

#include <cstdlib>

#include "host/ssaver.h"

namespace {

bool is_switch_char(char c) { return c == '/' || c == '-'; }

char fold_case(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

void scan_command_line(const char *line) {
  for (int i = 0; line[i]; i++) {
    if (!is_switch_char(line[i])) continue;
    i++;
    if (!line[i]) break;  // a switch character ends the line
    switch (fold_case(line[i])) {
      case 'a':
        ss_mode = MODE_PASSWORD;
        break;
      case 'c':
        ss_mode = MODE_CONFIG;
        break;
      case 's':
        ss_mode = MODE_SAVER;
        break;
      case 'p':
      case 'l':
        ss_mode = MODE_PREVIEW;
        // The number starts two characters after the letter; with fewer
        // than two left there is no parent, and nothing more to scan.
        if (!line[i + 1] || !line[i + 2]) {
          hInvokedParent = nullptr;
          return;
        }
        i += 2;
        hInvokedParent = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtol(line + i, nullptr, 10)));
        break;
      default:
        break;
    }
  }
}
