// Window classes: a name and its window procedure. Icons and cursors are
// the system's own and need no loading.
#include <string>
#include <vector>

#include "platform/emul/internal.h"

namespace {

struct window_class {
  std::string name;
  WNDPROC proc;
};

std::vector<window_class> classes;

// Class atoms count up from where the system's own registered atoms start.
const ATOM first_class_atom = 0xC000;

}  // namespace

ATOM WINAPI RegisterClassA(const WNDCLASSA *lpWndClass) {
  if (!lpWndClass || !lpWndClass->lpszClassName || !lpWndClass->lpfnWndProc) return 0;
  if (class_procedure(lpWndClass->lpszClassName)) return 0;
  classes.push_back(window_class{lpWndClass->lpszClassName, lpWndClass->lpfnWndProc});
  return static_cast<ATOM>(first_class_atom + classes.size() - 1);
}

WNDPROC class_procedure(LPCSTR class_name) {
  for (const window_class &c : classes)
    if (c.name == class_name) return c.proc;
  return nullptr;
}

HICON WINAPI LoadIconA(HINSTANCE, LPCSTR lpIconName) {
  return reinterpret_cast<HICON>(const_cast<char *>(lpIconName));
}

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR lpCursorName) {
  return reinterpret_cast<HCURSOR>(const_cast<char *>(lpCursorName));
}
