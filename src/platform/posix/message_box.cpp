// MessageBoxA until the dialog toolkit shows it: the text goes to stderr.
#include "platform/win32.h"

#include <cstdio>

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT) {
  std::fprintf(stderr, "%s: %s\n", lpCaption ? lpCaption : "", lpText ? lpText : "");
  return IDOK;
}
