// One frame's geometry computed as the frame driver computes it, without GL:
// the same rings, frames, placed points and skin coordinates, so that the
// allocation test and the benchmarks measure the real work.
#pragma once

// Sizes the cross-section and ring buffers from shape_points and builds the
// cross-section; call again after changing shape_points.
void prepare_frame_geometry();

// Walks all curve_segments rings of one frame at now_time, closing onto the
// first ring, with skin coordinates for every vertex of every band. Returns a
// sum of the results, so that no work can be optimised away.
double compute_frame_geometry();
