#!/usr/bin/env bash
# The renderer on a real GL context: Xvfb with Mesa's software renderer. The
# pixel program draws the tube for each curve, skin, bump style, reflection
# path and buffering, and eight hours into a run at the top speed, checks
# the pixels it reads back and leaves a PNG of every picture in $TORVANE_OUT.
source "$TORVANE_E2E_LIB"
e2e_begin
export LIBGL_ALWAYS_SOFTWARE=1
start_xvfb 1280x720x24

program="$TORVANE_BUILD_DIR/tests/pixels/render_pixels"
[ -x "$program" ] || fail "the pixel program $program is not built"

rm -f "$TORVANE_OUT"/*.ppm "$TORVANE_OUT"/*.png
status=0
"$program" "$TORVANE_OUT" >"$TORVANE_OUT/checks.txt" 2>&1 || status=$?
cat "$TORVANE_OUT/checks.txt"
for picture in "$TORVANE_OUT"/*.ppm; do
  convert "$picture" "${picture%.ppm}.png" && rm "$picture"
done
[ "$status" -eq 0 ] || fail "pixel checks failed (status $status); pictures in $TORVANE_OUT"
[ -s "$TORVANE_OUT/default.png" ] || fail "no picture saved"
echo "pictures in $TORVANE_OUT"
