#!/usr/bin/env bash
# The renderer on a real GL context: Xvfb with Mesa's software renderer,
# through GLX and, on a server without GLX, through EGL. The pixel program
# draws the tube for each curve, skin, bump style, reflection path and
# buffering, and eight hours into a run at the top speed, checks the pixels
# it reads back and leaves a PNG of every picture in $TORVANE_OUT/glx and
# $TORVANE_OUT/egl.
source "$TORVANE_E2E_LIB"
e2e_begin
export LIBGL_ALWAYS_SOFTWARE=1
program="$TORVANE_BUILD_DIR/tests/pixels/render_pixels"
[ -x "$program" ] || fail "the pixel program $program is not built"

# draw_and_check API [XVFB_ARGUMENT...]
draw_and_check() {
  local out="$TORVANE_OUT/$1" status=0
  start_xvfb 1280x720x24 "${@:2}"
  rm -rf "$out"
  mkdir -p "$out"
  "$program" "$out" >"$out/checks.txt" 2>&1 || status=$?
  stop_xvfb
  cat "$out/checks.txt"
  for picture in "$out"/*.ppm; do
    convert "$picture" "${picture%.ppm}.png" && rm "$picture"
  done
  [ "$status" -eq 0 ] || fail "pixel checks through $1 failed (status $status); pictures in $out"
  [ -s "$out/default.png" ] || fail "no picture saved through $1"
  echo "pictures through $1 in $out"
}

draw_and_check glx
draw_and_check egl -extension GLX
