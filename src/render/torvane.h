// The renderer: GL start-up and shut-down, ring drawing and the frame driver.
#pragma once

#include "geometry/vectmath.h"
#include "platform/win32.h"

extern HGLRC hRC;
extern HDC hDC_static;
extern int start_time;
extern vector3 *warped_def;
extern vector3 *vector_buf;
extern vector3 *first_shape;

int ss_initialize(HWND hWnd);
int ss_shutdown(HWND hWnd);
int oglSetPixelFormat(HDC hDC, BYTE type, DWORD flags);
void resize(int width, int height);
void load_texture(int name, const void *texture, int tex_width, int tex_height);

// Sizes the ring drawing's own table for shape_points; start-up calls it,
// and draw_ring again when the count has changed since.
void prepare_ring_drawing();
void draw_ring(const vector3 *prev_buf, const vector3 *cur_buf, float prev_t, float t);
void _draw_ring(const vector3 *prev_buf, const vector3 *cur_buf, float prev_t, float t);
// The GL state draw_ring sets around a band's strips; the frame-rate
// ceilings in bench/ set the same around theirs. Whether it draws skin and
// reflection in one multitexture pass, and that pass's two texture units;
// the two-pass path's reflection pass, and back to the first pass's state.
bool one_multitexture_pass();
void set_multitexture_units();
void begin_reflection_pass();
void end_reflection_pass();

int ss_draw(HWND hWnd);
// The parts of a frame before its first band: now_time from the tick count,
// then (with the context current) the scene's GL state. The frame-rate
// ceiling in bench/ draws its frames with them too.
void advance_animation_time();
void set_up_scene();
