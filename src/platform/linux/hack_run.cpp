#include "platform/linux/hack_run.h"

#include <cstdio>
#include <string>

#include "host/ssaver.h"
#include "platform/emul/window_system.h"
#include "platform/linux/fps_overlay.h"
#include "platform/linux/front_end.h"
#include "platform/linux/hack_loop.h"
#include "platform/linux/hack_messages.h"
#include "platform/linux/hack_window.h"
#include "platform/posix/termination.h"
#include "platform/x11/display.h"
#include "render/torvane.h"
#include "settings/overrides.h"

namespace {

Window target_window(Display *display, const hack_options &hack) {
  switch (hack.target) {
    case HACK_ROOT:
      return DefaultRootWindow(display);
    case HACK_WINDOW_ID:
      return x11_window_exists(hack.window) ? hack.window : 0;
    case HACK_OWN_WINDOW:
    default:
      return open_hack_window(display);
  }
}

void draw_frame() { ss_draw(hMainWnd); }

// The saver window as a preview in the target: WM_CREATE starts the
// renderer. False when the window could not be made (the target went).
bool open_saver_window(Window target) {
  ss_mode = MODE_PREVIEW;
  hInvokedParent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(target));
  return InitApplication(nullptr) && InitInstance(nullptr, SW_SHOWDEFAULT);
}

}  // namespace

int run_hack(const hack_options &hack) {
  if (!hack.error.empty()) {
    std::fprintf(stderr, "torvane: %s\n\n%s", hack.error.c_str(), usage().c_str());
    return 1;
  }
  Display *display = x11_display();
  if (!display) {
    report_no_display();
    return 1;
  }
  Window window = target_window(display, hack);
  if (!window) {
    std::fprintf(stderr, "torvane: there is no window 0x%lx\n", hack.window);
    return 1;
  }

  for (const setting_value &s : slider_defaults()) override_setting(s.setting, s.value);
  for (const setting_value &s : hack.settings) override_setting(s.setting, s.value);
  for (const option_value &o : hack.options) override_option(o.bit, o.on);
  use_dialog_toolkit(hack_message_toolkit());
  show_fps_overlay(hack.fps);
  end_by_termination_signal();
  if (!open_saver_window(window)) return 0;
  std::string messages = take_hack_messages();
  if (!hRC) {
    std::fprintf(stderr, "torvane: no OpenGL on display \"%s\": %s\n", XDisplayName(nullptr),
                 messages.empty() ? "no context" : messages.c_str());
    return 1;
  }
  if (!messages.empty()) std::fprintf(stderr, "torvane: %s\n", messages.c_str());
  return run_hack_loop(hack.delay, draw_frame);
}
