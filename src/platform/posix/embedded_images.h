// The res/ images built into the program (embedded_images.cpp is generated
// at build time from the files).
#pragma once

#include <cstddef>

struct embedded_image {
  const char *name;  // upper case, as in the resource script
  const unsigned char *bytes;
  size_t size;
};

extern const embedded_image embedded_images[];
extern const int embedded_image_count;
