// When a frame handed to SwapBuffers reaches the window: the rules of
// emul/gl.cpp over a window system that records what it is asked to do.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/emul/frame_overlay.h"
#include "platform/emul/window_system.h"
#include "quiet_window_system.h"

struct gl_surface {};

namespace {

typedef std::vector<std::string> lines;
lines backend_log;
gl_surface the_surface;

std::string name_of(HWND hwnd) { return "w" + std::to_string(reinterpret_cast<UINT_PTR>(hwnd)); }
std::string name_of(window_record *w) { return w ? name_of(w->hwnd) : "none"; }
std::string name_of(HGLRC context) {
  return context ? "c" + std::to_string(reinterpret_cast<UINT_PTR>(context)) : "none";
}
void note(const std::string &line) { backend_log.push_back(line); }

void destroy_window(window_record *w, bool gone) {
  note("destroy_window(" + name_of(w) + (gone ? ", gone)" : ")"));
}
int bits_per_pixel() { return 24; }
int choose_pixel_format(const window_record *, const PIXELFORMATDESCRIPTOR &) { return 1; }
gl_surface *create_surface(window_record *, int) { return &the_surface; }
void resize_surface(window_record *w) {
  note("resize_surface(" + name_of(w) + ", " + std::to_string(w->width) + "x" +
       std::to_string(w->height) + ")");
}
HGLRC create_context(window_record *w) { return reinterpret_cast<HGLRC>(w->hwnd); }
std::vector<HWND> gone_windows;  // their end is known, not yet reported
bool window_gone(window_record *w) {
  for (HWND hwnd : gone_windows)
    if (hwnd == w->hwnd) return true;
  return false;
}
bool make_current(window_record *w, HGLRC context) {
  note("make_current(" + name_of(w) + ", " + name_of(context) + ")");
  return true;
}
bool delete_context(HGLRC context) {
  note("delete_context(" + name_of(context) + ")");
  return true;
}
void flush(window_record *w) { note("flush(" + name_of(w) + ")"); }
bool swap_buffers(window_record *w) {
  note("swap_buffers(" + name_of(w) + ")");
  return true;
}
PROC proc_address(const char *) { return nullptr; }

// The quiet window system's windows, with destroy_window and GL recorded.
const window_system quiet = quiet_window_system();
const window_system recording = {
    quiet.connect,       quiet.display_name,  quiet.screen_metric,
    quiet.pump,          quiet.wait_for_events, quiet.create_window,
    quiet.show_window,   destroy_window,      quiet.window_rect,
    quiet.client_size,   quiet.set_cursor_visible, quiet.cursor_pos,
    bits_per_pixel,
    choose_pixel_format, create_surface,      resize_surface,
    create_context,      make_current,        window_gone,
    delete_context,      flush,               swap_buffers,
    proc_address,
};

// As the saver's window procedure ends its renderer on WM_DESTROY.
LRESULT CALLBACK saver_like_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(reinterpret_cast<HGLRC>(hwnd));
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class presenting : public ::testing::Test {
 protected:
  void SetUp() override {
    use_window_system(&recording);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = saver_like_proc;
    wc.lpszClassName = "present test";
    RegisterClassA(&wc);  // once per process; later calls find it registered
    window = open_window();
    context = wglCreateContext(GetDC(window));
    gone_windows.clear();
    backend_log.clear();
  }
  void TearDown() override {
    for (HWND hwnd : {window, other})
      if (hwnd) DefWindowProcA(hwnd, WM_CLOSE, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  static HWND open_window() {
    HWND hwnd = CreateWindowExA(0, "present test", "", WS_POPUP, 0, 0, 64, 48, nullptr, nullptr,
                                nullptr, nullptr);
    PIXELFORMATDESCRIPTOR pfd = {};
    SetPixelFormat(GetDC(hwnd), 1, &pfd);
    return hwnd;
  }
  // The saver's frame: bind, draw, SwapBuffers, let go.
  static void frame(HWND hwnd, HGLRC with) {
    HDC dc = GetDC(hwnd);
    wglMakeCurrent(dc, with);
    SwapBuffers(dc);
    wglMakeCurrent(nullptr, nullptr);
    ReleaseDC(hwnd, dc);
  }
  std::string w() const { return name_of(window); }
  std::string c() const { return name_of(context); }

  HWND window = nullptr, other = nullptr;
  HGLRC context = nullptr;
};

TEST_F(presenting, a_frame_is_flushed_at_its_swap_and_swapped_when_the_next_one_binds) {
  frame(window, context);
  EXPECT_EQ(backend_log, (lines{"make_current(" + w() + ", " + c() + ")", "flush(" + w() + ")",
                                "make_current(none, none)"}));
  backend_log.clear();
  frame(window, context);
  EXPECT_EQ(backend_log, (lines{"make_current(" + w() + ", " + c() + ")", "swap_buffers(" + w() + ")",
                                "flush(" + w() + ")", "make_current(none, none)"}));
}

TEST_F(presenting, a_reader_has_the_frame_presented_with_its_context_and_then_none_again) {
  frame(window, context);
  backend_log.clear();
  present_pending_swap();
  EXPECT_EQ(backend_log, (lines{"make_current(" + w() + ", " + c() + ")", "swap_buffers(" + w() + ")",
                                "make_current(none, none)"}));
  // Presented once: neither a second request nor the next bind swaps again.
  backend_log.clear();
  present_pending_swap();
  wglMakeCurrent(GetDC(window), context);
  EXPECT_EQ(backend_log, lines{"make_current(" + w() + ", " + c() + ")"});
}

TEST_F(presenting, a_context_shows_its_last_frame_before_it_is_deleted) {
  frame(window, context);
  backend_log.clear();
  wglDeleteContext(context);
  EXPECT_EQ(backend_log, (lines{"make_current(" + w() + ", " + c() + ")", "swap_buffers(" + w() + ")",
                                "make_current(none, none)", "delete_context(" + c() + ")"}));
  backend_log.clear();
  wglDeleteContext(context);  // nothing pending any more
  EXPECT_EQ(backend_log, lines{"delete_context(" + c() + ")"});
}

TEST_F(presenting, a_new_size_waits_until_the_frame_drawn_for_the_old_one_is_shown) {
  frame(window, context);
  backend_log.clear();
  window_resized(find_window(window), 80, 60);
  EXPECT_EQ(backend_log, (lines{"make_current(" + w() + ", " + c() + ")", "swap_buffers(" + w() + ")",
                                "make_current(none, none)", "resize_surface(" + w() + ", 80x60)"}));
}

TEST_F(presenting, a_window_that_is_gone_drops_its_frame_and_one_closed_shows_it_first) {
  frame(window, context);
  backend_log.clear();
  window_vanished(find_window(window));
  EXPECT_EQ(backend_log, (lines{"make_current(none, none)", "delete_context(" + c() + ")",
                                "destroy_window(" + w() + ", gone)"}));
  window = open_window();
  context = wglCreateContext(GetDC(window));
  frame(window, context);
  backend_log.clear();
  DefWindowProcA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(backend_log, (lines{"make_current(none, none)", "make_current(" + w() + ", " + c() + ")",
                                "swap_buffers(" + w() + ")", "make_current(none, none)",
                                "delete_context(" + c() + ")", "destroy_window(" + w() + ")"}));
  window = nullptr;
}

TEST_F(presenting, a_window_whose_end_is_known_gets_no_context_even_just_after_its_swap) {
  frame(window, context);
  backend_log.clear();
  // The window goes while the swap waits for the rasterizer.
  struct going_during_the_swap {
    static bool swap(window_record *w) {
      gone_windows.push_back(w->hwnd);
      return swap_buffers(w);
    }
  };
  window_system going = recording;
  going.swap_buffers = going_during_the_swap::swap;
  use_window_system(&going);
  EXPECT_FALSE(wglMakeCurrent(GetDC(window), context));
  EXPECT_EQ(backend_log, (lines{"make_current(" + w() + ", " + c() + ")", "swap_buffers(" + w() + ")",
                                "make_current(none, none)"}));
  // Known before the bind: nothing is bound at all.
  backend_log.clear();
  EXPECT_FALSE(wglMakeCurrent(GetDC(window), context));
  EXPECT_TRUE(backend_log.empty());
  use_window_system(&recording);
}

TEST_F(presenting, without_a_context_on_the_window_or_with_one_kept_current_a_swap_is_at_once) {
  SwapBuffers(GetDC(window));  // nothing of ours is drawing on it
  EXPECT_EQ(backend_log, lines{"swap_buffers(" + w() + ")"});

  // A caller that draws on without letting go: its second swap presents
  // the latest drawing once, and nothing is left for the next bind.
  HDC dc = GetDC(window);
  wglMakeCurrent(dc, context);
  SwapBuffers(dc);
  backend_log.clear();
  SwapBuffers(dc);
  wglMakeCurrent(dc, context);
  EXPECT_EQ(backend_log, (lines{"swap_buffers(" + w() + ")", "make_current(" + w() + ", " + c() + ")"}));
}

TEST_F(presenting, binding_on_another_window_first_shows_the_frame_pending_elsewhere) {
  other = open_window();
  HGLRC other_context = wglCreateContext(GetDC(other));
  frame(window, context);
  backend_log.clear();
  wglMakeCurrent(GetDC(other), other_context);
  std::string bound_other = "make_current(" + name_of(other) + ", " + name_of(other_context) + ")";
  EXPECT_EQ(backend_log, (lines{bound_other, "make_current(" + w() + ", " + c() + ")",
                                "swap_buffers(" + w() + ")", bound_other}));
}

void note_overlay() { note("overlay"); }

TEST_F(presenting, an_overlay_is_drawn_over_the_frame_with_its_context_before_the_flush_and_only_then) {
  set_frame_overlay(note_overlay);
  frame(window, context);
  EXPECT_EQ(backend_log, (lines{"make_current(" + w() + ", " + c() + ")", "overlay", "flush(" + w() + ")",
                                "make_current(none, none)"}));
  // A swap with no context of the program drawing on the window: no overlay.
  backend_log.clear();
  SwapBuffers(GetDC(window));
  EXPECT_EQ(std::count(backend_log.begin(), backend_log.end(), "overlay"), 0);
  set_frame_overlay(nullptr);
  backend_log.clear();
  frame(window, context);
  EXPECT_EQ(backend_log, (lines{"make_current(" + w() + ", " + c() + ")", "flush(" + w() + ")",
                                "make_current(none, none)"}));
}

}  // namespace
