#include "unit/host/renderer_stubs.h"

#include <string>

#include "fakes/fake_windows.h"
#include "render/torvane.h"
#include "ui/config_dialog.h"

std::function<void(int frame)> on_frame;
int frames_drawn;
HGLRC hRC;

void renderer_stubs_reset(bool with_context) {
  hRC = with_context ? reinterpret_cast<HGLRC>(static_cast<UINT_PTR>(0x5c)) : nullptr;
  on_frame = nullptr;
  frames_drawn = 0;
}

int ss_initialize(HWND hWnd) {
  windows_log.push_back("ss_initialize(" + log_handle(hWnd) + ")");
  return 1;
}

int ss_shutdown(HWND hWnd) {
  windows_log.push_back("ss_shutdown(" + log_handle(hWnd) + ")");
  return 1;
}

void resize(int width, int height) {
  windows_log.push_back("resize(" + std::to_string(width) + ", " + std::to_string(height) + ")");
}

int ss_draw(HWND hWnd) {
  frames_drawn++;
  if (on_frame) on_frame(frames_drawn);
  return 0;
}

int ss_config() {
  windows_log.push_back("ss_config()");
  return 0;
}

HDC WINAPI GetDC(HWND hWnd) {
  windows_log.push_back("GetDC(" + log_handle(hWnd) + ")");
  return reinterpret_cast<HDC>(static_cast<UINT_PTR>(0xdc));
}

int WINAPI ReleaseDC(HWND hWnd, HDC) {
  windows_log.push_back("ReleaseDC(" + log_handle(hWnd) + ")");
  return 1;
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
  windows_log.push_back(std::string("wglMakeCurrent(") + (hdc ? "dc" : "null") + ", " +
                        (hglrc ? "rc" : "null") + ")");
  return TRUE;
}

void WINAPI Sleep(DWORD) {}
