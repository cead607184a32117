// The fixed colours and light position of the scene (red, green, blue, alpha;
// the light's x, y, z, w).
#pragma once

extern const float light_color[4];     // white: texture environment of the reflection unit
extern const float black_color[4];     // material while the reflection is added
extern const float mat_color[4];       // the tube's ambient and diffuse material
extern const float spec_color[4];      // its specular material
extern const float light_position[4];  // light 0; w = 0 makes it directional
