#!/usr/bin/env bash
# A hack's options replace the stored settings for that run only: the store
# is left as it was, and the next run without them draws the stored ones.
# Without -root or -window-id the hack draws in a window of its own, which a
# window manager's close ends with status 0; -fps writes its figures in the
# bottom-left corner, where XScreenSaver's own hacks write theirs.
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
  convert "$1" -gravity SouthWest -crop 260x130+0+0 +repage "$TORVANE_OUT/corner.png"
  convert "$TORVANE_OUT/corner.png" -fill black +opaque white -fill white -opaque white \
    -colorspace gray -format '%[fx:mean*w*h]' info:
}

# text_lines FILE: the rows of the white text in the bottom-left corner, as
# "first-last" rows counted up from the window's bottom edge, a line each,
# and its leftmost column.
text_lines() {
  convert "$1" -gravity SouthWest -crop 260x130+0+0 +repage -fx 'min(r,min(g,b)) > 0.85' \
    -flip txt:- | awk -F'[,: ]+' 'NR > 1 && /#FFFFFF/ {
      rows[$2]++; if (left == "" || $1 < left) left = $1 }
    END {
      for (y = 0; y < 130; y++) {
        if (rows[y] && first == "") first = y
        if (!rows[y] && first != "") { printf "%d-%d\n", first, y - 1; first = "" }
      }
      print "left " left }'
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
# The figures are pure white, which the lit tube never is: three lines where
# XScreenSaver 6's glknots -fps puts its own (measured on a 1280 x 720
# screen: capitals from 94 to 111 pixels above the bottom edge, then 59 to
# 77, then 18 to 42 with the descender of Polys; the first column 29).
white=$(corner_white "$TORVANE_OUT/green.png")
awk "BEGIN { exit !($white >= 300) }" || fail "-fps: only $white white pixels in the corner"
text_lines "$TORVANE_OUT/green.png" >"$TORVANE_OUT/fps-lines.txt"
awk 'BEGIN { split("94-111 59-77 18-42", peer, " "); n = 0 }
     /^left / { left = $2; next }
     { n++; split($0, ours, "-"); split(peer[4 - n], theirs, "-")
       if (ours[1] - theirs[1] > 1 || theirs[1] - ours[1] > 1 ||
           ours[2] - theirs[2] > 1 || theirs[2] - ours[2] > 1) bad = 1 }
     END { exit !(n == 3 && !bad && left >= 28 && left <= 30) }' "$TORVANE_OUT/fps-lines.txt" ||
  fail "-fps: the lines are not where the peers put theirs: $(tr '\n' ' ' <"$TORVANE_OUT/fps-lines.txt")"
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

# What XScreenSaver's pane passes for "Skin 1": skin 1, whatever is stored.
start_saver -skin 1
window=$(wait_for_window Torvane)
wait_for_lit "$TORVANE_OUT/skin1.png" 0.10 "$window"
r=$(mean_of "$TORVANE_OUT/skin1.png" R) g=$(mean_of "$TORVANE_OUT/skin1.png" G) b=$(mean_of "$TORVANE_OUT/skin1.png" B)
awk "BEGIN { exit !($r > $g && $g > $b) }" || fail "-skin 1 over a stored skin 2 is not orange (red $r, green $g, blue $b)"
kill -TERM "$SAVER_PID"
wait_for_end 1
expect_ended_by TERM
echo "-skin 1: skin 1 over the stored skin 2"
