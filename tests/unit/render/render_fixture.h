// Common ground of the renderer tests: the recording GL, GDI and kernel fakes
// reset, the settings at known values (the store points at a missing file, so
// load_config keeps them), one fake window, and helpers that write the call
// lines the renderer is expected to produce.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_gdi.h"
#include "fakes/fake_gl.h"
#include "fakes/fake_kernel.h"
#include "geometry/vectmath.h"
#include "platform/win32.h"

typedef std::vector<std::string> lines;

class render_test : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // ss_initialize on the test window, then an empty log.
  void start_renderer();
  // The log lines from `first` up to (not including) `last`.
  lines log_between(const std::string &first, const std::string &last) const;

  HWND window = reinterpret_cast<HWND>(0x10);
  HDC dc = fake_dc_of(reinterpret_cast<HWND>(0x10));
};

lines operator+(lines a, const lines &b);

// One band's strips as the renderer must send them; the skinned one with
// the swaying skin of the default options (no moving skin).
lines skinned_strip(const vector3 *prev, const vector3 *cur, float prev_t, float t,
                    bool multitextured);
lines reflection_strip(const vector3 *prev, const vector3 *cur);
lines reflection_setup();
lines reflection_restore();
lines single_pass_setup();

// A texture upload: bind, filters, repeat, image.
lines texture_upload(int name, const char *filter, int width, int height, const void *pixels);

// The strips (glBegin ... glEnd, inclusive) found in a log, in order.
std::vector<lines> strips_in(const lines &log);
// The numbers in one logged line, in order ("glVertex3f(1, 2, 3)" -> 1 2 3).
std::vector<double> numbers_in(const std::string &line);
// A ring of n points around the z axis at height z, radius r, laid out as
// the renderer's ring buffers (positions, then unit normals).
std::vector<vector3> test_ring(int n, double z, double r);
