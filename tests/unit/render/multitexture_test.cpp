// Finding GL_ARB_multitexture: the extension string and the entry points.
#include "render/multitex.h"
#include "unit/render/render_fixture.h"

namespace {

class multitexture : public render_test {};

const lines all_four_fetched = {
    "glGetString(GL_EXTENSIONS)",
    "wglGetProcAddress(glActiveTextureARB)",
    "wglGetProcAddress(glMultiTexCoord2fARB)",
    "wglGetProcAddress(glMultiTexCoord2fvARB)",
    "wglGetProcAddress(glMultiTexCoord2dvARB)",
};

TEST_F(multitexture, is_enabled_when_listed_and_all_entry_points_exist) {
  fake_gl_extensions = "GL_EXT_abgr GL_ARB_multitexture GL_EXT_bgra";
  initialize_multitexturing();
  EXPECT_EQ(multitexturing_enabled, 1);
  EXPECT_EQ(call_log, all_four_fetched);
  EXPECT_EQ(glActiveTextureARB, fake_glActiveTextureARB);
  EXPECT_EQ(glMultiTexCoord2fARB, fake_glMultiTexCoord2fARB);
  EXPECT_EQ(glMultiTexCoord2fvARB, fake_glMultiTexCoord2fvARB);
  EXPECT_EQ(glMultiTexCoord2dvARB, fake_glMultiTexCoord2dvARB);
  EXPECT_EQ(fake_debug_output, "");
}

TEST_F(multitexture, counts_a_longer_name_that_starts_with_it) {
  fake_gl_extensions = "GL_ARB_multitexture_plus";
  initialize_multitexturing();
  EXPECT_EQ(multitexturing_enabled, 1);
}

TEST_F(multitexture, says_so_on_the_debug_output_when_not_listed) {
  fake_gl_extensions = "GL_ARB_multisample GL_ARB_texture_env_add GL_ARB_multi";
  initialize_multitexturing();
  EXPECT_EQ(multitexturing_enabled, 0);
  EXPECT_EQ(fake_debug_output, "GL_ARB_multitexture NOT found.\n");
  EXPECT_EQ(call_log, (lines{"glGetString(GL_EXTENSIONS)",
                             "OutputDebugStringA(GL_ARB_multitexture NOT found.\n)"}));
}

TEST_F(multitexture, says_so_when_there_is_no_extension_string) {
  fake_gl_extensions = nullptr;
  initialize_multitexturing();
  EXPECT_EQ(multitexturing_enabled, 0);
  EXPECT_EQ(fake_debug_output, "GL_ARB_multitexture NOT found.\n");
}

TEST_F(multitexture, stays_off_silently_when_any_entry_point_is_missing) {
  for (const char *name : {"glActiveTextureARB", "glMultiTexCoord2fARB", "glMultiTexCoord2fvARB",
                           "glMultiTexCoord2dvARB"}) {
    SCOPED_TRACE(name);
    fake_gl_extensions = "GL_ARB_multitexture";
    fake_gdi.missing_procs = {name};
    call_log.clear();
    initialize_multitexturing();
    EXPECT_EQ(multitexturing_enabled, 0);
    EXPECT_EQ(call_log, all_four_fetched);  // all four are still asked for
    EXPECT_EQ(fake_debug_output, "");
  }
}

}  // namespace
