#include "unit/host/renderer_stubs.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/call_log.h"
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
  log_call("ss_initialize", {log_pointer(hWnd)});
  return 1;
}

int ss_shutdown(HWND hWnd) {
  log_call("ss_shutdown", {log_pointer(hWnd)});
  return 1;
}

void resize(int width, int height) {
  log_call("resize", {std::to_string(width), std::to_string(height)});
}

// A main loop that nothing ends would hang the test: it is ended instead,
// as a failure, after far more frames than any test needs.
int ss_draw(HWND hWnd) {
  frames_drawn++;
  if (on_frame) on_frame(frames_drawn);
  if (frames_drawn == 1000) {
    ADD_FAILURE() << "the main loop was still running after 1000 frames";
    PostQuitMessage(-1);
  }
  return 0;
}

int ss_config() {
  log_call("ss_config", {});
  return 0;
}
