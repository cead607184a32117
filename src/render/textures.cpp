// Turning the raw RGB images into the two texture objects: 0 the skin, 1 the
// reflection map.
#include "render/textures.h"

#include "platform/win32.h"
#include "render/torvane.h"
#include "settings/settings.h"

void load_texture(int name, const void *texture, int tex_width, int tex_height) {
  glBindTexture(GL_TEXTURE_2D, name);
  GLint filter = (user_options & OPT_BILINEAR) ? GL_LINEAR : GL_NEAREST;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  // The skin's s runs far past 1 along the tube, the reflection coordinates
  // from -1 to 1: both images must repeat.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexImage2D(GL_TEXTURE_2D, 0, 3, tex_width, tex_height, 0, GL_RGB, GL_UNSIGNED_BYTE, texture);
}

// The images are part of the program, so the lookup is not checked.
void load_resource_texture(const char *resource, int name, int width, int height) {
  HRSRC found = FindResourceA(nullptr, resource, RT_RCDATA);
  HGLOBAL loaded = LoadResource(nullptr, found);
  load_texture(name, LockResource(loaded), width, height);
}
