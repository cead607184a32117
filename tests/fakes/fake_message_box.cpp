// MessageBoxA records the box instead of showing it; a file of its own, so a
// test that takes its message boxes from elsewhere does not pull it in.
#include "fakes/fake_gdi.h"

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  fake_gdi.message_boxes.push_back(std::string(lpCaption) + "|" + lpText);
  log_call("MessageBoxA", {log_pointer(hWnd), lpText, lpCaption, log_number(uType)});
  return IDOK;
}
