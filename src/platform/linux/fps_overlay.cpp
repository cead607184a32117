#include "platform/linux/fps_overlay.h"

#include "platform/emul/frame_overlay.h"
#include "platform/linux/frame_stats.h"
#include "platform/linux/overlay_font.h"
#include "render/multitex.h"
#include "settings/settings.h"

namespace {

// In pixels from the bottom-left corner: the first character's left edge,
// the last line's baseline, and from one line's baseline to the next.
const int left = 29, bottom = 24, line_pitch = 35;

// Everything a frame may leave on that would change the bitmaps: texturing
// on either unit the renderer uses, lighting (the raster colour is lit
// too), depth, blending and the rest of the per-fragment tests.
void set_up_for_text(const GLint viewport[4]) {
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  for (GLenum test : {GL_LIGHTING, GL_DEPTH_TEST, GL_BLEND, GL_FOG, GL_ALPHA_TEST, GL_STENCIL_TEST,
                      GL_SCISSOR_TEST, GL_COLOR_LOGIC_OP})
    glDisable(test);
  for (GLenum unit : {GL_TEXTURE1_ARB, GL_TEXTURE0_ARB}) {
    if (multitexturing_enabled) glActiveTextureARB(unit);
    glDisable(GL_TEXTURE_2D);
  }
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
}

void restore_frame_state() {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopClientAttrib();
  glPopAttrib();
}

void write_lines(const std::vector<std::string> &lines, bool outline) {
  for (size_t i = 0; i < lines.size(); i++) {
    glRasterPos2i(left, bottom + static_cast<int>(lines.size() - 1 - i) * line_pitch);
    draw_overlay_text(lines[i], outline);
  }
}

// The reflection takes a second pass unless it is drawn with multitexture.
long polygons() {
  bool reflection = user_options & OPT_ENV_LIGHTING;
  bool one_pass = multitexturing_enabled && (user_options & OPT_MULTITEXTURE);
  return frame_polygons(curve_segments, shape_points, reflection && !one_pass);
}

void draw_overlay() {
  std::vector<std::string> lines = frame_stats_lines(hack_frame_stats, polygons());
  if (lines.empty()) return;
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  set_up_for_text(viewport);
  glColor3f(0, 0, 0);
  write_lines(lines, true);
  glColor3f(1, 1, 1);
  write_lines(lines, false);
  restore_frame_state();
}

}  // namespace

void show_fps_overlay(bool on) { set_frame_overlay(on ? draw_overlay : nullptr); }
