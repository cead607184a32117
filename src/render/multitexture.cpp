// GL_ARB_multitexture: present when the extension string names it and all
// four entry points can be fetched.
#include "render/multitex.h"

#include <cstring>

int multitexturing_enabled = 0;
active_texture_fn glActiveTextureARB = nullptr;
multi_tex_coord_2f_fn glMultiTexCoord2fARB = nullptr;
multi_tex_coord_2fv_fn glMultiTexCoord2fvARB = nullptr;
multi_tex_coord_2dv_fn glMultiTexCoord2dvARB = nullptr;

namespace {

// Entry points come back as a generic PROC; the cast goes through void (*)(),
// the one function type a cast may pass through without a warning.
template <typename entry_point>
entry_point fetch(const char *name) {
  return reinterpret_cast<entry_point>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

}  // namespace

void initialize_multitexturing() {
  const char *extensions = reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS));
  // A plain substring test: a longer name that starts with it counts too.
  if (!extensions || !std::strstr(extensions, "GL_ARB_multitexture")) {
    OutputDebugStringA("GL_ARB_multitexture NOT found.\n");
    return;
  }
  glActiveTextureARB = fetch<active_texture_fn>("glActiveTextureARB");
  glMultiTexCoord2fARB = fetch<multi_tex_coord_2f_fn>("glMultiTexCoord2fARB");
  glMultiTexCoord2fvARB = fetch<multi_tex_coord_2fv_fn>("glMultiTexCoord2fvARB");
  glMultiTexCoord2dvARB = fetch<multi_tex_coord_2dv_fn>("glMultiTexCoord2dvARB");
  if (glActiveTextureARB && glMultiTexCoord2fARB && glMultiTexCoord2fvARB && glMultiTexCoord2dvARB)
    multitexturing_enabled = 1;
}
