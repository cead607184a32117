// The tube's cross-section, its bumps and its skin coordinates.
#pragma once

#include "geometry/vectmath.h"

extern vector3 *shape_def;   // shape_points points on the unit circle
extern vector3 *shape_norm;  // their unit normals

void init_shape();
double scale_func(double time, double t);
void texcoord_func(double time, double t, double cx, double *tds);
