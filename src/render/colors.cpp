#include "render/colors.h"

const float light_color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float black_color[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const float mat_color[4] = {0.5f, 0.5f, 0.4f, 1.0f};
const float spec_color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float light_position[4] = {-2.0f, 2.0f, 10.0f, 0.0f};
