#!/usr/bin/env bash
# torvane.scr under Wine: "/p <handle>" draws into a window of another
# program. The helper torvane_parent creates that window, starts the saver on
# it and checks that the saver's child window appears with the parent's size;
# this script checks that the child draws the tube; then the helper destroys
# its window and the saver must end by itself with status 0.
#
# Wine keeps a child window of another process out of its parent's picture,
# so the child's drawing is read from the GL surface Wine gives it: an X
# window of the parent's size at the origin of a 1 x 1 holder window.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wine_lib.sh"
wine_begin

parent_exe="$TORVANE_BUILD_DIR/tests/e2e/wine_helpers/torvane_parent.exe"
release="$TORVANE_OUT/release"
# The helper writes its report as it goes; none of an earlier run may be read.
rm -f "$release" "$TORVANE_OUT/parent.out"

"$WINE_RUN" "$parent_exe" "$(windows_path "$TORVANE")" "$(windows_path "$release")" \
  >"$TORVANE_OUT/parent.out" 2>"$TORVANE_OUT/parent.err" &
parent_pid=$!

for _ in $(seq $((400 * E2E_PATIENCE))); do
  grep -q "child ready" "$TORVANE_OUT/parent.out" && break
  kill -0 "$parent_pid" 2>/dev/null || break
  sleep 0.1
done
cat "$TORVANE_OUT/parent.out"
grep -q "child ready" "$TORVANE_OUT/parent.out" || fail "the helper saw no child window"

# The child's GL surface: 400 x 300 (the helper's window) at +0+0.
shot="$TORVANE_OUT/preview.png"
lit=0
for _ in $(seq $((60 * E2E_PATIENCE))); do
  surface=$(xwininfo -root -tree | awk '$0 ~ / 400x300\+0\+0 / { print $1; exit }')
  if [ -n "$surface" ] && screenshot "$shot" "$surface" 2>/dev/null; then
    lit=$(lit_share "$shot")
    awk "BEGIN { exit !($lit >= 0.15) }" && break
  fi
  sleep 0.5
done
touch "$release"
awk "BEGIN { exit !($lit >= 0.15) }" || fail "the preview did not draw (${surface:-no surface}, $lit lit)"
echo "preview: $lit of the child's surface lit"

status=0
wait "$parent_pid" || status=$?
cat "$TORVANE_OUT/parent.out"
[ "$status" -eq 0 ] || fail "the helper reports a failure (status $status)"
