// Texture images from the program's own resources.
#pragma once

// Finds the RT_RCDATA resource `resource` (raw RGB, width x height pixels)
// in the program's module and loads it into texture object `name`.
void load_resource_texture(const char *resource, int name, int width, int height);
