#!/usr/bin/env bash
# Two monitors on one X screen (Xvfb 2560x720 split in two with xrandr
# --setmonitor): /s runs one saver per monitor, each picture centred on its
# monitor and like the other (the same tube, not stretched across both). A
# pointer move of 2 pixels across the join keeps them all; one of more than
# 10 on either monitor ends every saver within a second, with status 0. A
# monitor removed takes its saver with it, one added or changed in size gets
# a saver of its size; SIGTERM to the program and kill -9 of it leave no
# saver behind.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 2560x720x24

store_still_settings

# set_monitor NAME WIDTH X: a monitor 720 high at X, 0.
set_monitor() {
  local output=none
  [ "$1" = left ] && output=screen
  xrandr --setmonitor "$1" "$2/338x720/190+$3+0" "$output"
}
set_monitor left 1280 0
set_monitor right 1280 1280

shot="$TORVANE_OUT/monitors.png"
# crop X WIDTH NAME: that part of the latest screenshot, as $TORVANE_OUT/NAME.png.
crop() {
  convert "$shot" -crop "$2x720+$1+0" +repage "$TORVANE_OUT/$3.png"
}

# expect_centred NAME CENTRE: the lit part of NAME.png has its centroid near
# CENTRE, 360 (within a tenth of the picture; measured at a quarter size).
expect_centred() {
  local centroid
  centroid=$(convert "$TORVANE_OUT/$1.png" -resize 25% -colorspace gray -threshold 6% -moments \
    -verbose info: | awk '/Centroid:/ { print $2; exit }')
  awk -v at="$centroid" -v centre="$2" 'BEGIN {
    split(at, p, ",")
    x = p[1] * 4; y = p[2] * 4
    exit !(x > centre * 0.8 && x < centre * 1.2 && y > 288 && y < 432)
  }' || fail "$1: the picture's centroid $centroid (at a quarter size) is not near $2, 360"
}

# alike A B: the root mean square difference of A.png and B.png, both
# shrunk to a twentieth, below 0.05.
alike() {
  local small=() name difference
  for name in "$1" "$2"; do
    convert "$TORVANE_OUT/$name.png" -resize 5% "$TORVANE_OUT/$name-small.png"
    small+=("$TORVANE_OUT/$name-small.png")
  done
  difference=$(compare -metric RMSE "${small[@]}" null: 2>&1 | sed 's/.*(\(.*\))/\1/') || true
  awk "BEGIN { exit !($difference < 0.05) }" || fail "$1 and $2 differ (RMSE $difference)"
}

# wait_for_drawn X:WIDTH:NAME...: waits until each of these parts of the
# screen is drawn (fails after 20 s); they are kept as NAME.png.
wait_for_drawn() {
  local part drawn
  for _ in $(seq 40); do
    screenshot "$shot"
    drawn=yes
    for part in "$@"; do
      IFS=: read -r x width name <<<"$part"
      crop "$x" "$width" "$name"
      awk "BEGIN { exit !($(lit_share "$TORVANE_OUT/$name.png") >= 0.10) }" || drawn=no
    done
    [ "$drawn" = yes ] && return 0
    sleep 0.5
  done
  fail "not drawn: $part"
}

# Two pictures, alike, each in the middle of its monitor.
xdotool mousemove 1281 300
start_saver /s
wait_for_savers 2
first_savers=$SAVERS
wait_for_drawn 0:1280:left 1280:1280:right
expect_centred left 640
expect_centred right 640
alike left right
cp "$shot" "$TORVANE_OUT/two-monitors.png"
echo "two monitors: a picture on each, centred, alike"

# The right monitor goes, comes back half as wide: its saver goes, a new one
# draws at the new size.
xrandr --delmonitor right
right_saver=$(tail -n1 <<<"$first_savers")
expect_gone_within 1 "$right_saver"
wait_for_savers 1
set_monitor right 640 1280
# Covered within a second: both savers' windows show.
for _ in $(seq 10); do
  [ "$(xdotool search --onlyvisible --name '^screensaver$' | wc -l)" -eq 2 ] && break
  sleep 0.1
done
[ "$(xdotool search --onlyvisible --name '^screensaver$' | wc -l)" -eq 2 ] ||
  fail "the new monitor was not covered within a second"
wait_for_savers 2
wait_for_drawn 1280:640:narrow
expect_centred narrow 320
crop 1920 640 beyond
[ "$(lit_share "$TORVANE_OUT/beyond.png")" = 0 ] || fail "drawn beyond the narrowed monitor"
echo "hot-plug: a removed monitor's saver went, a new monitor got a saver of its size"

# Across the join and back is 2 pixels; 13 on the left monitor ends every saver.
savers=$SAVERS
xdotool mousemove 1279 300
sleep 1
expect_running
[ "$(saver_pids)" = "$savers" ] || fail "a saver ended on a move of 2 pixels"
xdotool mousemove 1268 300
wait_for_end 1
expect_status 0
# shellcheck disable=SC2086
expect_gone_within 1 $savers
echo "moves: 2 pixels across the join kept them, 13 ended all with status 0"

# Starting on the left monitor, 11 pixels on the right one (whose saver does
# not hold the pointer) end them too.
xdotool mousemove 1279 300
start_saver /s
wait_for_savers 2
savers=$SAVERS
sleep 2
xdotool mousemove 1290 300
wait_for_end 1
expect_status 0
# shellcheck disable=SC2086
expect_gone_within 1 $savers
echo "moves: 11 pixels on the other monitor ended all with status 0"

# ends_all_on SIGNAL: the supervisor killed by SIGNAL leaves no saver.
ends_all_on() {
  start_saver /s
  wait_for_savers 2
  local savers=$SAVERS
  kill -"$1" "$SAVER_PID"
  wait_for_end 1
  # shellcheck disable=SC2086
  expect_gone_within 1 $savers
  echo "SIG$1 to the program: every saver ended (status $SAVER_STATUS)"
}
ends_all_on TERM
expect_status 0
ends_all_on KILL
[ ! -s "$TORVANE_OUT/saver.err" ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
