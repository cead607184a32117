// The three closed path curves of the tube, t in [0, 1) once around.
#pragma once

#include "geometry/vectmath.h"

typedef void (*curve_function)(double time, double t, vector3 *v);

// Animation time of the current frame; written by the frame driver.
extern double now_time;
// The selected curve; set from func_id when the settings are loaded.
extern curve_function curve_func;

void func1(double time, double t, vector3 *v);  // "Original"
void func2(double time, double t, vector3 *v);  // "Sphere 1"
void func3(double time, double t, vector3 *v);  // "Sphere 2"

// The curve point at t, the forward difference P(t+h)-P(t) and the reversed
// second difference 2P(t)-P(t-h)-P(t+h), h = 1e-7, all unscaled.
void func_diff(double t, vector3 *pos, vector3 *d1, vector3 *d2);
