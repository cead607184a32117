#!/usr/bin/env bash
# A hack's options replace the stored settings for that run only: the store
# is left as it was, and the next run without them draws the stored ones.
# Without -root or -window-id the hack draws in a window of its own, which a
# window manager's close ends with status 0; -fps writes the frame rate in
# its bottom left corner.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 800x600x24
cat >"$TORVANE_REGISTRY" <<'STORE'
REGEDIT4

[HKEY_CURRENT_USER\Software\Fenwright Productions\Torvane Screensaver]
"skin_id"=dword:00000002
STORE
cp "$TORVANE_REGISTRY" "$TORVANE_OUT/stored.reg"
close_request="$TORVANE_BUILD_DIR/tests/e2e/x_helpers/close_request"

# corner_white FILE: the count of pure white pixels in the window's bottom
# left corner, where -fps writes (kept as corner.png).
corner_white() {
  convert "$1" -crop 150x30+0+570 +repage "$TORVANE_OUT/corner.png"
  convert "$TORVANE_OUT/corner.png" -fill black +opaque white -fill white -opaque white \
    -colorspace gray -format '%[fx:mean*w*h]' info:
}

start_saver -skin 4 -fps -curve sphere2
window=$(wait_for_window Torvane)
[ "$(xwininfo -id "$window" | sed -n 's/^ *Width: //p')x$(xwininfo -id "$window" | sed -n 's/^ *Height: //p')" = 600x600 ] ||
  fail "the hack's window: $(xwininfo -id "$window" | grep -E 'Width|Height')"
wait_for_lit "$TORVANE_OUT/green.png" 0.10 "$window"
sleep 2  # the frame rate shows once a second is counted
screenshot "$TORVANE_OUT/green.png" "$window"
g=$(mean_of "$TORVANE_OUT/green.png" G) r=$(mean_of "$TORVANE_OUT/green.png" R)
awk "BEGIN { exit !($g > $r) }" || fail "-skin 4 is not green (red $r, green $g)"
# The figure is pure white, which the lit tube never is.
white=$(corner_white "$TORVANE_OUT/green.png")
awk "BEGIN { exit !($white >= 30) }" || fail "-fps: only $white white pixels in the corner"
"$close_request" "$window"
wait_for_end 5
expect_status 0
cmp -s "$TORVANE_REGISTRY" "$TORVANE_OUT/stored.reg" || fail "the run changed the store: $(cat "$TORVANE_REGISTRY")"
echo "-skin 4 -fps -curve sphere2: green, the frame rate shown, the store unchanged, closed with 0"

start_saver -window
window=$(wait_for_window Torvane)
wait_for_lit "$TORVANE_OUT/stored.png" 0.10 "$window"
g=$(mean_of "$TORVANE_OUT/stored.png" G) b=$(mean_of "$TORVANE_OUT/stored.png" B)
awk "BEGIN { exit !($b > $g) }" || fail "the stored skin 2 is not blue (green $g, blue $b)"
white=$(corner_white "$TORVANE_OUT/stored.png")
[ "$white" = 0 ] || fail "without -fps the corner has $white white pixels"
kill -TERM "$SAVER_PID"
wait_for_end 1
expect_ended_by TERM
echo "-window: the stored skin again, no frame rate; SIGTERM ended it"
