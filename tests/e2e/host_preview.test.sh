#!/usr/bin/env bash
# /p <id> draws into a parent window; the parent's end ends the saver with
# status 0. A parent that is no window ends start-up quietly with status 0;
# an id that is missing, 0 or not a number says so, and ends with 0 too.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24

xmessage -bg black -fg black -name previewparent -title previewparent -geometry 320x240+40+30 "waiting" &
parent_pid=$!
parent=$(wait_for_window previewparent)

start_saver /p "$parent"
wait_for_lit "$TORVANE_OUT/preview.png" 0.10 "$parent"
expect_running
size=$(identify -format '%wx%h' "$TORVANE_OUT/preview.png")
[ "$size" = 320x240 ] || fail "parent screenshot is $size"
xwininfo -children -id "$parent" | grep -q '"screensaver"' || fail "no saver window in the parent"

kill "$parent_pid"
wait "$parent_pid" 2>/dev/null || true
wait_for_end 5
expect_status 0
echo "preview: drawn into the parent, ended with it"

# No window, and ids beyond what X ids can be: 2^32 above the root window's
# id would be the root window if cut to 32 bits.
root=$(($(xwininfo -root | awk '/Window id:/ { print $4 }')))
for id in 12345 $((root + 4294967296)) -1; do
  start_saver /p "$id"
  wait_for_end 5
  expect_status 0
  [ ! -s "$TORVANE_OUT/saver.err" ] || fail "/p $id wrote: $(cat "$TORVANE_OUT/saver.err")"
  ! xwininfo -root -children | grep -q '"screensaver"' || fail "/p $id made a window on the root"
  echo "preview of no window (/p $id): quiet, status 0"
done

for line in "/p abc" "/p 0" "/p" "-l:x"; do
  start_saver $line
  wait_for_end 5
  expect_status 0
  [ "$(cat "$TORVANE_OUT/saver.err")" = "torvane: no preview: its window id is missing, 0 or not a number" ] ||
    fail "$line wrote: $(cat "$TORVANE_OUT/saver.err")"
  ! xwininfo -root -children | grep -q '"screensaver"' || fail "$line made a window on the root"
  echo "preview without a window id ($line): said so, status 0"
done
