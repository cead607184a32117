#include "platform/x11/fps_overlay.h"

#include <GL/glx.h>
#include <time.h>

#include <string>

#include "platform/x11/frame_rate.h"

namespace {

bool shown;
frame_rate count;

// What the overlay keeps of the context it last drew in: the font's display
// lists, one a character from first_char on (lists live in their context),
// and the context's texture units, each of which it turns off.
const int first_char = 32, char_count = 96;
GLXContext font_context;
GLuint font_lists;
int font_descent, font_advance;
GLint texture_units;

// A clear, larger fixed font when the server has one; "fixed" it always has.
const char *const font_names[] = {"-misc-fixed-bold-r-normal--18-*-*-*-*-*-iso8859-1", "9x15bold",
                                  "fixed"};

long long now_ms() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

bool make_font_lists(Display *display) {
  if (font_context == glXGetCurrentContext()) return font_lists != 0;
  font_context = glXGetCurrentContext();
  font_lists = 0;
  texture_units = 1;
  glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &texture_units);
  for (const char *name : font_names) {
    XFontStruct *font = XLoadQueryFont(display, name);
    if (!font) continue;
    font_lists = glGenLists(char_count);
    glXUseXFont(font->fid, first_char, char_count, font_lists);
    font_descent = font->descent;
    font_advance = font->max_bounds.width;
    XFreeFont(display, font);
    break;
  }
  return font_lists != 0;
}

void draw_text(const std::string &text) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);

  glPushAttrib(GL_ALL_ATTRIB_BITS);  // enables, colour, raster position, matrix mode, texture unit
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  // Bitmaps are textured too. The entry point is looked up, not linked: the
  // renderer keeps its own pointer under the extension function's name. GLX
  // hands out the same entry point for every context.
  static const auto active_texture = reinterpret_cast<void (*)(GLenum)>(
      glXGetProcAddressARB(reinterpret_cast<const GLubyte *>("glActiveTextureARB")));
  for (GLint unit = 0; unit < texture_units; unit++) {
    if (active_texture) active_texture(GL_TEXTURE0_ARB + unit);
    glDisable(GL_TEXTURE_2D);
  }
  glColor3f(1, 1, 1);
  // Each character at its own place: some servers' fonts give a blank no
  // width, and the fonts tried are all fixed-width.
  for (size_t i = 0; i < text.size(); i++) {
    glRasterPos2i(10 + static_cast<int>(i) * font_advance, 10 + font_descent);
    glCallList(font_lists + static_cast<unsigned char>(text[i]) - first_char);
  }
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopAttrib();
}

}  // namespace

void show_frame_rate(bool on) { shown = on; }

void forget_frame_rate_font(const void *context) {
  if (font_context == context) font_context = nullptr;
}

void draw_frame_rate(Display *display) {
  if (!shown) return;
  count_frame(&count, now_ms());
  std::string text = frame_rate_text(count);
  if (!text.empty() && make_font_lists(display)) draw_text(text);
}
