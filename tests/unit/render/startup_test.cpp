// Start-up and shut-down of the renderer: the order of the platform and GL
// calls, the pixel-format request and its failures, the textures chosen.
#include <cstring>

#include "render/torvane.h"
#include "settings/settings.h"
#include "unit/render/render_fixture.h"

namespace {

const void *image(const char *name) {
  return LockResource(LoadResource(nullptr, FindResourceA(nullptr, name, RT_RCDATA)));
}

class startup : public render_test {};

TEST_F(startup, follows_the_start_up_order_with_the_default_settings) {
  fake_gl_extensions = "GL_EXT_bgra GL_ARB_multitexture";
  fake_tick_count = 123456;
  ASSERT_EQ(ss_initialize(window), 1);

  lines expected = lines{
                       "GetDC(0x10)",
                       "GetDeviceCaps(0x1010, BITSPIXEL)",
                       "ChoosePixelFormat(0x1010)",
                       "SetPixelFormat(0x1010, 1)",
                       "wglCreateContext(0x1010)",
                       "wglMakeCurrent(0x1010, 0x5000)",
                       "glGetString(GL_EXTENSIONS)",
                       "wglGetProcAddress(glActiveTextureARB)",
                       "wglGetProcAddress(glMultiTexCoord2fARB)",
                       "wglGetProcAddress(glMultiTexCoord2fvARB)",
                       "wglGetProcAddress(glMultiTexCoord2dvARB)",
                       "glViewport(0, 0, 200, 100)",
                       "glMatrixMode(GL_PROJECTION)",
                       "glLoadIdentity()",
                       "glOrtho(-10, 10, -10, 10, 0, 100)",
                       "glMatrixMode(GL_MODELVIEW)",
                       "glLoadIdentity()",
                   } +
                   texture_upload(0, "GL_LINEAR", 64, 64, image("SKIN1")) +
                   texture_upload(1, "GL_LINEAR", 256, 256, image("REFMAP2")) +
                   lines{
                       "wglMakeCurrent(null, null)",
                       "ReleaseDC(0x10, 0x1010)",
                       "GetTickCount()",
                   };
  EXPECT_EQ(call_log, expected);
  EXPECT_EQ(hRC, fake_context);
  EXPECT_EQ(hDC_static, nullptr);
  EXPECT_EQ(start_time, 123456);
}

TEST_F(startup, asks_for_a_window_format_with_opengl_colour_bits_and_a_depth_buffer) {
  fake_gdi.bits_per_pixel = 0x120;  // only the low 8 bits fit the request
  ss_initialize(window);
  const PIXELFORMATDESCRIPTOR &pfd = fake_gdi.last_pixel_format;
  EXPECT_EQ(pfd.nSize, 40);
  EXPECT_EQ(pfd.nVersion, 1);
  EXPECT_EQ(pfd.dwFlags, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER);
  EXPECT_EQ(pfd.iPixelType, PFD_TYPE_RGBA);
  EXPECT_EQ(pfd.cColorBits, 0x20);
  EXPECT_EQ(pfd.cDepthBits, 24);

  // Everything else stays zero.
  PIXELFORMATDESCRIPTOR rest = pfd;
  rest.nSize = rest.nVersion = 0;
  rest.dwFlags = 0;
  rest.cColorBits = rest.cDepthBits = 0;
  PIXELFORMATDESCRIPTOR zero = {};
  EXPECT_EQ(std::memcmp(&rest, &zero, sizeof zero), 0);
}

TEST_F(startup, asks_for_a_single_buffer_without_the_double_buffer_option) {
  user_options = OPT_BILINEAR;
  ss_initialize(window);
  EXPECT_EQ(fake_gdi.last_pixel_format.dwFlags, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL);
}

TEST_F(startup, stops_with_a_box_when_no_pixel_format_is_found) {
  fake_gdi.choose_pixel_format_result = 0;
  start_time = 77;
  EXPECT_EQ(ss_initialize(window), 0);
  EXPECT_EQ(call_log, (lines{
                          "GetDC(0x10)",
                          "GetDeviceCaps(0x1010, BITSPIXEL)",
                          "ChoosePixelFormat(0x1010)",
                          "MessageBoxA(null, ChoosePixelFormat() failed:  Cannot find format "
                          "specified., Error, 0)",
                      }));
  EXPECT_EQ(fake_gdi.message_boxes,
            lines{"Error|ChoosePixelFormat() failed:  Cannot find format specified."});
  EXPECT_EQ(hRC, nullptr);
  EXPECT_EQ(hDC_static, dc);
  EXPECT_EQ(start_time, 77);
}

TEST_F(startup, stops_with_a_box_when_the_format_cannot_be_set) {
  fake_gdi.choose_pixel_format_result = 7;
  fake_gdi.set_pixel_format_result = FALSE;
  EXPECT_EQ(ss_initialize(window), 0);
  EXPECT_EQ(call_log.back(),
            "MessageBoxA(null, SetPixelFormat() failed:  Cannot set format specified., Error, 0)");
  EXPECT_EQ(call_log[call_log.size() - 2], "SetPixelFormat(0x1010, 7)");
  EXPECT_EQ(hRC, nullptr);
}

TEST_F(startup, returns_the_format_index_that_was_set) {
  fake_gdi.choose_pixel_format_result = 5;
  EXPECT_EQ(oglSetPixelFormat(dc, PFD_TYPE_RGBA, PFD_DOUBLEBUFFER), 5);
  EXPECT_TRUE(fake_gdi.message_boxes.empty());
}

TEST_F(startup, asks_for_the_callers_pixel_type_and_flags_and_sets_the_same_request) {
  const BYTE colour_index = 1;
  const DWORD stereo = 0x02;
  oglSetPixelFormat(dc, colour_index, PFD_DOUBLEBUFFER | stereo);
  const PIXELFORMATDESCRIPTOR &pfd = fake_gdi.last_pixel_format;
  EXPECT_EQ(pfd.iPixelType, colour_index);
  EXPECT_EQ(pfd.dwFlags, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | stereo);
  EXPECT_EQ(std::memcmp(&fake_gdi.set_pixel_format, &pfd, sizeof pfd), 0);
}

TEST_F(startup, shutdown_after_a_failed_start_releases_the_held_device_context) {
  fake_gdi.choose_pixel_format_result = 0;
  ss_initialize(window);
  call_log.clear();
  EXPECT_EQ(ss_shutdown(window), 1);
  EXPECT_EQ(call_log, (lines{"wglMakeCurrent(null, null)", "ReleaseDC(0x10, 0x1010)"}));
}

TEST_F(startup, shutdown_after_a_good_start_deletes_the_context_only) {
  start_renderer();
  EXPECT_EQ(ss_shutdown(window), 1);
  EXPECT_EQ(call_log, (lines{"wglMakeCurrent(null, null)", "wglDeleteContext(0x5000)"}));
  EXPECT_EQ(hRC, nullptr);
}

TEST_F(startup, loads_the_chosen_skin_with_its_size) {
  struct {
    int id;
    const char *name;
    int size;
  } skins[] = {{1, "SKIN1", 64}, {2, "SKIN2", 256}, {3, "SKIN3", 256}, {4, "SKIN4", 128}};
  for (const auto &skin : skins) {
    SCOPED_TRACE(skin.name);
    skin_id = skin.id;
    call_log.clear();
    ss_initialize(window);
    lines uploads = log_between("glBindTexture(GL_TEXTURE_2D, 0)", "wglMakeCurrent(null, null)");
    EXPECT_EQ(uploads, texture_upload(0, "GL_LINEAR", skin.size, skin.size, image(skin.name)) +
                           texture_upload(1, "GL_LINEAR", 256, 256, image("REFMAP2")));
  }
}

TEST_F(startup, loads_no_skin_for_other_ids_but_always_the_reflection_map) {
  for (int id : {0, 5, -1}) {
    skin_id = id;
    call_log.clear();
    ss_initialize(window);
    lines uploads = log_between("glBindTexture(GL_TEXTURE_2D, 1)", "wglMakeCurrent(null, null)");
    EXPECT_EQ(uploads, texture_upload(1, "GL_LINEAR", 256, 256, image("REFMAP2")));
    EXPECT_TRUE(log_between("glBindTexture(GL_TEXTURE_2D, 0)", "glBindTexture(GL_TEXTURE_2D, 1)").empty());
  }
}

TEST_F(startup, filters_both_ways_nearest_without_bilinear_filtering) {
  user_options = OPT_DOUBLE_BUFFER;
  ss_initialize(window);
  lines uploads = log_between("glBindTexture(GL_TEXTURE_2D, 0)", "wglMakeCurrent(null, null)");
  EXPECT_EQ(uploads, texture_upload(0, "GL_NEAREST", 64, 64, image("SKIN1")) +
                         texture_upload(1, "GL_NEAREST", 256, 256, image("REFMAP2")));
}

TEST_F(startup, resize_sets_the_viewport_and_the_same_box_for_any_shape) {
  resize(640, 100);
  EXPECT_EQ(call_log, (lines{
                          "glViewport(0, 0, 640, 100)",
                          "glMatrixMode(GL_PROJECTION)",
                          "glLoadIdentity()",
                          "glOrtho(-10, 10, -10, 10, 0, 100)",
                          "glMatrixMode(GL_MODELVIEW)",
                          "glLoadIdentity()",
                      }));
}

}  // namespace
