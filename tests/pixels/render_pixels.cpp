// Draws the tube on a real GL context (an X window under Xvfb with Mesa's
// software renderer) for each curve, skin, bump style, reflection path and
// buffering, and hours into a run at the top speed, reads the window's
// pixels back and checks that the picture is really there, drawn through
// GLX where the server offers it and through EGL where it does not. Each
// picture is saved as OUTPUT_FOLDER/<case>.ppm.
//
//   render_pixels OUTPUT_FOLDER
//
// Exit status 0 when every check holds, 1 otherwise, 2 without a display.
#include <EGL/egl.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "geometry/curves.h"
#include "platform/emul/window_system.h"
#include "platform/linux/fps_overlay.h"
#include "platform/linux/frame_stats.h"
#include "platform/win32.h"
#include "render/multitex.h"
#include "render/torvane.h"
#include "settings/settings.h"
#include "test_window.h"

// After win32.h, which keeps GL's own multitexture prototypes out.
#include <GL/glx.h>

namespace {

const int width = 640, height = 480;
std::string output_folder;
int failures = 0;

struct picture {
  std::vector<unsigned char> rgb;
  double depth_bits = 0;
  bool double_buffered = false;
  bool through_glx = false, through_egl = false;  // the API of the context that drew
  double covered_depth = 1;  // mean depth over the covered pixels
};

struct scene {
  const char *name;
  int options;
  int skin;
  int curve;
  double time;  // animation time of the frame, a whole number of milliseconds
  int speed = 100;
  int bumps = 60;
};

struct rgb_mean {
  double r, g, b;
};

void check(bool ok, const std::string &what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  if (!ok) failures++;
}

bool covered(const picture &p, size_t pixel) {
  const unsigned char *c = &p.rgb[3 * pixel];
  return c[0] > 12 || c[1] > 12 || c[2] > 12;
}

double coverage(const picture &p) {
  size_t count = 0;
  for (size_t i = 0; i < p.rgb.size() / 3; i++) count += covered(p, i);
  return count / double(p.rgb.size() / 3);
}

rgb_mean mean_colour(const picture &p) {
  double r = 0, g = 0, b = 0;
  size_t count = 0;
  for (size_t i = 0; i < p.rgb.size() / 3; i++)
    if (covered(p, i)) {
      r += p.rgb[3 * i];
      g += p.rgb[3 * i + 1];
      b += p.rgb[3 * i + 2];
      count++;
    }
  if (!count) return {0, 0, 0};
  return {r / count, g / count, b / count};
}

// Share of pixels that are nearly white in every channel.
double white_share(const picture &p) {
  size_t count = 0;
  for (size_t i = 0; i < p.rgb.size() / 3; i++)
    count += p.rgb[3 * i] > 220 && p.rgb[3 * i + 1] > 220 && p.rgb[3 * i + 2] > 220;
  return count / double(p.rgb.size() / 3);
}

// Share of pixels whose colours differ clearly.
double colour_difference(const picture &a, const picture &b) {
  size_t count = 0;
  for (size_t i = 0; i < a.rgb.size(); i += 3) {
    int d = 0;
    for (int c = 0; c < 3; c++) d += std::abs(a.rgb[i + c] - b.rgb[i + c]);
    count += d > 40;
  }
  return count / double(a.rgb.size() / 3);
}

double brightness(const picture &p) {
  rgb_mean m = mean_colour(p);
  return (m.r + m.g + m.b) / 3;
}

// Share of pixels covered in one picture but not in the other.
double coverage_difference(const picture &a, const picture &b) {
  size_t count = 0;
  for (size_t i = 0; i < a.rgb.size() / 3; i++) count += covered(a, i) != covered(b, i);
  return count / double(a.rgb.size() / 3);
}

void save_ppm(const picture &p, const std::string &name) {
  std::string path = output_folder + "/" + name + ".ppm";
  FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  std::fwrite(p.rgb.data(), 1, p.rgb.size(), file);
  std::fclose(file);
}

// What the window shows, as the X server has it.
void read_window(Display *display, Window window, picture &p) {
  XSync(display, False);
  XImage *image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
  p.rgb.resize(3 * width * height);
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++) {
      unsigned long pixel = XGetPixel(image, x, y);
      unsigned char *c = &p.rgb[3 * (y * width + x)];
      c[0] = (pixel >> 16) & 0xff;
      c[1] = (pixel >> 8) & 0xff;
      c[2] = pixel & 0xff;
    }
  XDestroyImage(image);
}

// The buffers of the saver's surface and the depth buffer the frame left
// behind.
void read_gl_state(HWND hwnd, picture &p) {
  HDC dc = GetDC(hwnd);
  wglMakeCurrent(dc, hRC);
  p.through_glx = glXGetCurrentContext() != nullptr;
  p.through_egl = eglGetCurrentContext() != EGL_NO_CONTEXT;
  // A GLX config is single- or double-buffered; EGL makes a surface of a
  // config draw on the front buffer or the back one.
  if (p.through_glx) {
    GLboolean double_buffered = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &double_buffered);
    p.double_buffered = double_buffered;
  } else {
    EGLint render_buffer = EGL_NONE;
    eglQuerySurface(eglGetCurrentDisplay(), eglGetCurrentSurface(EGL_DRAW), EGL_RENDER_BUFFER,
                    &render_buffer);
    p.double_buffered = render_buffer == EGL_BACK_BUFFER;
  }
  GLint bits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &bits);
  p.depth_bits = bits;
  std::vector<float> depth(width * height);
  glReadPixels(0, 0, width, height, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
  double sum = 0;
  size_t count = 0;
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++)
      if (covered(p, (height - 1 - y) * width + x)) {
        sum += depth[y * width + x];
        count++;
      }
  p.covered_depth = count ? sum / count : 1;
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(hwnd, dc);
}

// Turns the saver's depth test around in its context (GL state stays with
// the context between frames): cleared to the near end, the farthest
// surface wins. Without a working depth buffer this would change nothing.
void show_far_side(HWND hwnd) {
  HDC dc = GetDC(hwnd);
  wglMakeCurrent(dc, hRC);
  glClearDepth(0);
  glDepthFunc(GL_GREATER);
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(hwnd, dc);
}

// One frame at animation time `time`. The clock runs on between setting the
// start and the frame reading it; a frame that caught the next millisecond
// is drawn again.
bool draw_at(HWND hwnd, double time) {
  const double step = animation_speed * 1e-6;  // animation time per millisecond
  const DWORD elapsed = static_cast<DWORD>(std::llround(time / step));
  for (int attempt = 0; attempt < 20; attempt++) {
    start_time = static_cast<int>(GetTickCount() - elapsed);
    ss_draw(hwnd);
    if (std::fabs(now_time - elapsed * step) < step / 2) return true;
  }
  return false;
}

picture draw(Display *display, const scene &s, bool far_side = false, bool with_frame_rate = false) {
  animation_speed = s.speed;
  user_options = s.options;
  curve_segments = 170;
  shape_points = 10;
  skin_id = s.skin;
  func_id = s.curve;
  bump_speed = s.bumps;

  HWND hwnd = open_test_window(width, height);
  picture p;
  if (!ss_initialize(hwnd)) {
    check(false, std::string(s.name) + ": the renderer starts");
    return p;
  }
  if (far_side) show_far_side(hwnd);
  if (with_frame_rate) {
    // The figures show once a whole second is counted. Every frame is the
    // same, so GL state the overlay left behind would show in the last one.
    // A busy machine may take long over a frame: until the figures show.
    show_fps_overlay(true);
    hack_frame_stats = {};
    for (DWORD first = GetTickCount(); GetTickCount() - first < 20000;) {
      count_frame(&hack_frame_stats, GetTickCount() * 1000000LL);
      draw_at(hwnd, s.time);
      if (!frame_stats_lines(hack_frame_stats, 0).empty()) break;
    }
  }
  if (!draw_at(hwnd, s.time)) check(false, std::string(s.name) + ": a frame at the time asked for");
  show_fps_overlay(false);
  // The frame's swap waits for the saver's next GL call; reading the window
  // behind the platform's back needs it carried out now.
  present_pending_swap();
  read_window(display, x_window_of(hwnd), p);
  read_gl_state(hwnd, p);
  ss_shutdown(hwnd);
  close_test_window(hwnd);
  save_ppm(p, std::string(s.name) + (far_side ? "-far-side" : "") + (with_frame_rate ? "-fps" : ""));
  std::printf("     %-24s depth bits %2.0f  coverage %.3f  mean colour %3.0f %3.0f %3.0f\n", s.name,
              p.depth_bits, coverage(p), mean_colour(p).r, mean_colour(p).g, mean_colour(p).b);
  return p;
}

// Pixels that differ between two pictures inside and outside the
// bottom-left corner where the -fps figures go.
struct corner_difference {
  size_t inside, outside;
};

corner_difference differences_by_corner(const picture &a, const picture &b) {
  corner_difference d = {0, 0};
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++) {
      size_t i = 3 * (static_cast<size_t>(y) * width + x);
      bool same = a.rgb[i] == b.rgb[i] && a.rgb[i + 1] == b.rgb[i + 1] && a.rgb[i + 2] == b.rgb[i + 2];
      if (same) continue;
      bool corner = x < 240 && y >= height - 120;
      (corner ? d.inside : d.outside)++;
    }
  return d;
}

// -fps writes its figures in the corner and changes no other pixel: the
// frame is drawn exactly as without it, whatever the drawing path.
void check_frame_rate_overlay(Display *display, const scene &s) {
  picture plain = draw(display, s);
  picture with_rate = draw(display, s, false, true);
  corner_difference d = differences_by_corner(plain, with_rate);
  check(d.inside > 300, std::string(s.name) + ": the figures are written in the bottom-left corner");
  check(d.outside == 0, std::string(s.name) + ": outside the corner no pixel differs (" +
                            std::to_string(d.outside) + " do)");
}

// The GL surface under a window: formats are set once, the GL child window
// takes no input from the saver window and follows its size.
void check_gl_surface(Display *display) {
  HWND hwnd = open_test_window(200, 100);
  Window window = x_window_of(hwnd);
  HDC dc = GetDC(hwnd);
  PIXELFORMATDESCRIPTOR pfd = {};
  pfd.nSize = sizeof pfd;
  pfd.nVersion = 1;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  pfd.cColorBits = static_cast<BYTE>(GetDeviceCaps(dc, BITSPIXEL));
  pfd.cDepthBits = 24;
  int format = ChoosePixelFormat(dc, &pfd);
  check(format >= 1, "ChoosePixelFormat gives a 1-based format index");
  pfd.dwFlags &= ~PFD_DOUBLEBUFFER;
  int single = ChoosePixelFormat(dc, &pfd);
  check(single >= 1 && single != format, "a single-buffered request gets another format");
  check(SetPixelFormat(dc, format, &pfd), "SetPixelFormat succeeds on a new window");
  check(SetPixelFormat(dc, format, &pfd), "setting the same format again succeeds");
  check(!SetPixelFormat(dc, single, &pfd), "setting a different format fails");

  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  XQueryTree(display, window, &root, &parent, &children, &count);
  check(count == 1, "the format brings one GL child window");
  if (count == 1) {
    XWindowAttributes child;
    XGetWindowAttributes(display, children[0], &child);
    check(child.width == 200 && child.height == 100, "the GL child fills the window");
    check(child.your_event_mask == 0 && child.do_not_propagate_mask == 0,
          "the GL child selects no input, so events reach the saver window");
    XResizeWindow(display, window, 300, 150);
    XSync(display, False);
    bool resized = false;
    for (int i = 0; i < 100 && !resized; i++) {
      resized = pump_messages(WM_SIZE);
      if (!resized) usleep(10000);
    }
    check(resized, "a new size comes to the window as WM_SIZE");
    XSync(display, False);
    XGetWindowAttributes(display, children[0], &child);
    check(child.width == 300 && child.height == 150, "the GL child follows the window's size");
  }
  if (children) XFree(children);
  ReleaseDC(hwnd, dc);
  close_test_window(hwnd);
}

// Nearly eight hours on at the top animation speed (5000) the tube must look
// as it did in a fresh run. 142257.6 time units later is 19758 whole turns
// of the tumble (50 degrees a unit) and a whole number of bump and skin
// periods (at bump speed 200: 20 a unit); it is 0.0015 off a whole period of
// the tumble axis's sine, which at 1.57, where the sine is flat, moves the
// axis by 2e-6. So the late frame and the fresh one are the same picture.
void check_long_run(Display *display, int options, const char *name) {
  const double fresh_time = 1.57, hours_later = 142257.6;
  const std::string fresh_name = std::string(name) + "-fresh";
  picture fresh = draw(display, {fresh_name.c_str(), options, 1, 1, fresh_time, 5000, 200});
  picture late = draw(display, {name, options, 1, 1, hours_later + fresh_time, 5000, 200});
  std::printf("     %-24s outline %.4f  colours %.4f differ from a fresh run\n", name,
              coverage_difference(fresh, late), colour_difference(fresh, late));
  check(coverage_difference(fresh, late) < 0.0005,
        std::string(name) + ": after 8 hours the tube tumbles as when fresh");
  check(colour_difference(fresh, late) < 0.002,
        std::string(name) + ": after 8 hours the skin is as sharp as when fresh");
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_pixels OUTPUT_FOLDER\n");
    return 2;
  }
  output_folder = argv[1];
  Display *display = open_test_display();
  if (!display) return 2;
  // No stored settings: load_config keeps the values set here.
  setenv("TORVANE_REGISTRY", (output_folder + "/no-such-registry.reg").c_str(), 1);

  check_gl_surface(display);

  const int defaults = OPT_DOUBLE_BUFFER | OPT_BILINEAR;
  const double t = 2.0;  // 100 degrees of tumble
  picture tube = draw(display, {"default", defaults, 1, 1, t});
  int opcode, first_event, first_error;
  bool server_has_glx = XQueryExtension(display, "GLX", &opcode, &first_event, &first_error);
  check(server_has_glx ? tube.through_glx && !tube.through_egl : tube.through_egl && !tube.through_glx,
        server_has_glx ? "the server offers GLX: GL draws through GLX"
                       : "the server offers no GLX: GL draws through EGL");
  check(coverage(tube) > 0.10, "the default tube covers a good share of the window");
  rgb_mean m = mean_colour(tube);
  check(m.r > m.g && m.g > m.b && m.r > 60, "the default skin shows orange");
  check(tube.depth_bits >= 16, "the window has a depth buffer");
  check(tube.covered_depth < 0.99, "the tube wrote its depths");
  picture far = draw(display, {"default", defaults, 1, 1, t}, true);
  check(coverage_difference(tube, far) < 0.01 && colour_difference(tube, far) > 0.03,
        "the depth test decides which side shows: the near side is in front");

  picture start = draw(display, {"default-time-0", defaults, 1, 1, 0.0});
  check(coverage_difference(tube, start) > 0.02, "the scene tumbles with time");

  picture curve2 = draw(display, {"curve-2", defaults, 1, 2, t});
  picture curve3 = draw(display, {"curve-3", defaults, 1, 3, t});
  for (const picture *p : {&curve2, &curve3})
    check(coverage(*p) > 0.05, "each curve draws a tube");
  check(coverage_difference(tube, curve2) > 0.05, "curves 1 and 2 differ");
  check(coverage_difference(tube, curve3) > 0.05, "curves 1 and 3 differ");
  check(coverage_difference(curve2, curve3) > 0.05, "curves 2 and 3 differ");

  m = mean_colour(draw(display, {"skin-2", defaults, 2, 1, t}));
  check(m.b > m.g && (m.r > m.g || m.b > 1.5 * m.g), "skin 2 shows blue and magenta");
  m = mean_colour(draw(display, {"skin-3", defaults, 3, 1, t}));
  check(m.r > m.g && m.b > m.g, "skin 3 shows purple");
  m = mean_colour(draw(display, {"skin-4", defaults, 4, 1, t}));
  check(m.g > m.r && m.g > m.b, "skin 4 shows green");
  picture no_skin = draw(display, {"skin-none", defaults, 9, 1, t});
  check(coverage(no_skin) > 0.10, "without a skin the tube is still drawn");

  picture steps = draw(display, {"bumps-step", defaults | OPT_ANIMATED_BUMPS, 1, 1, t});
  picture smooth =
      draw(display, {"bumps-smooth", defaults | OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS, 1, 1, t});
  check(coverage(steps) > coverage(tube) * 1.1, "step bumps thicken the tube");
  check(coverage_difference(smooth, tube) > 0.02, "smooth bumps change the tube's outline");
  picture moving = draw(display, {"bumps-moving-skin",
                                  defaults | OPT_ANIMATED_BUMPS | OPT_MOVE_TEXTURE, 1, 1, t});
  check(coverage(moving) > 0.10, "bumps with a moving skin draw a tube");

  picture two_pass = draw(display, {"reflections-two-pass", defaults | OPT_ENV_LIGHTING, 1, 1, t});
  check(brightness(two_pass) > brightness(tube) + 10, "the reflection pass brightens the tube");
  picture single_pass = draw(
      display, {"reflections-multitexture", defaults | OPT_ENV_LIGHTING | OPT_MULTITEXTURE, 1, 1, t});
  check(multitexturing_enabled == 1, "Mesa offers GL_ARB_multitexture");
  check(brightness(single_pass) > brightness(tube) + 10, "the multitexture pass brightens the tube");
  check(coverage_difference(single_pass, two_pass) < 0.02, "both reflection paths draw the same tube");

  picture single = draw(display, {"single-buffer", OPT_BILINEAR, 1, 1, t});
  check(tube.double_buffered && !single.double_buffered, "the buffering asked for is the one given");
  check(coverage_difference(single, tube) < 0.01, "a single-buffered window shows the same tube");
  picture nearest = draw(display, {"nearest-filter", OPT_DOUBLE_BUFFER, 1, 1, t});
  check(coverage(nearest) > 0.10, "nearest filtering draws the tube");
  picture axes = draw(display, {"axes", defaults | OPT_SHOW_AXES, 1, 1, t});
  check(white_share(axes) > white_share(tube) + 0.0003, "the axes add white lines");

  check_frame_rate_overlay(display, {"default", defaults, 1, 1, t});
  check_frame_rate_overlay(display, {"reflections-multitexture",
                                     defaults | OPT_ENV_LIGHTING | OPT_MULTITEXTURE, 1, 1, t});
  check_frame_rate_overlay(display, {"reflections-two-pass", defaults | OPT_ENV_LIGHTING, 1, 1, t});
  check_long_run(display, defaults | OPT_ANIMATED_BUMPS | OPT_MOVE_TEXTURE, "long-run-moving-skin");
  check_long_run(display, defaults, "long-run");

  std::printf("%d failed checks\n", failures);
  return failures ? 1 : 0;
}
