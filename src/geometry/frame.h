// The moving frame that carries the cross-section along the curve.
#pragma once

#include "geometry/vectmath.h"

void make_first_mat(double t, double *mat, vector3 *d1);
void make_mat(double t0, double *oldmat, vector3 *prev_d1);
void transform_points(const double *mat, const vector3 *src, vector3 *dst, int cnt);
void rotate_points(const double *mat, const vector3 *src, vector3 *dst, int cnt);
