#include "platform/linux/hack_run.h"

#include <cstdio>

#include "host/ssaver.h"
#include "platform/emul/frame_pacer.h"
#include "platform/emul/window_system.h"
#include "platform/linux/front_end.h"
#include "platform/linux/hack_window.h"
#include "platform/posix/termination.h"
#include "platform/x11/display.h"
#include "platform/x11/fps_overlay.h"
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

  for (const setting_value &s : hack.settings) override_setting(s.setting, s.value);
  for (const option_value &o : hack.options) override_option(o.bit, o.on);
  set_frame_delay(hack.delay);
  show_frame_rate(hack.fps);
  end_by_termination_signal();
  ss_mode = MODE_PREVIEW;
  hInvokedParent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
  return ss_run(nullptr, nullptr, SW_SHOWDEFAULT);
}
