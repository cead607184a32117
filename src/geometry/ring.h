// One ring of the tube: the bumped cross-section placed on the curve.
#pragma once

#include "geometry/vectmath.h"

// Ring i of a frame, at curve parameter t: the cross-section scaled by the
// bumps into warped (shape_points scratch points), then placed by the moving
// frame, which mat and prev_d1 carry from ring to ring (ring 0 starts it).
// Writes shape_points positions followed by shape_points normals into ring.
void place_ring(int i, float t, double *mat, vector3 *prev_d1, vector3 *warped, vector3 *ring);
