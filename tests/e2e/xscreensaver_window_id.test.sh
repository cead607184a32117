#!/usr/bin/env bash
# --window-id (hex or decimal) draws into that window; the window's end ends
# the saver with status 0. An id that names no window, a number beyond X's
# 29 bits included (cut to 32 bits it would name a real window), says there
# is no such window and ends with 1, from -window-id and from
# $XSCREENSAVER_WINDOW alike.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24

for form in hex decimal; do
  xmessage -bg black -fg black -name settingspreview -geometry 240x180+10+10 "preview" &
  owner=$!
  window=$(wait_for_window settingspreview)
  if [ "$form" = hex ]; then
    start_saver --window-id "$(printf '0x%x' "$window")"
  else
    start_saver -window-id "$window"
  fi
  wait_for_lit "$TORVANE_OUT/window_id_$form.png" 0.10 "$window"
  expect_running
  kill "$owner"
  wait "$owner" 2>/dev/null || true
  wait_for_end 5
  expect_status 0
  echo "window id in $form: drawn, ended with the window"
done

xmessage -bg black -fg black -name settingspreview -geometry 240x180+10+10 "preview" &
owner=$!
window=$(wait_for_window settingspreview)
for id in $((window + 4294967296)) $((0x20000000 + window)) 12345; do
  for form in option environment; do
    if [ "$form" = option ]; then
      start_saver -window-id "$id"
    else
      XSCREENSAVER_WINDOW=$(printf '0x%x' "$id") start_saver -root
    fi
    wait_for_end 5
    expect_status 1
    [ "$(cat "$TORVANE_OUT/saver.err")" = "$(printf 'torvane: there is no window 0x%x' "$id")" ] ||
      fail "$form $id: $(cat "$TORVANE_OUT/saver.err")"
    [ "$(xwininfo -children -id "$window" | grep -c '"screensaver"')" = 0 ] ||
      fail "$form $id: drawn into 0x$(printf '%x' "$window")"
    echo "no window $id ($form): said so, status 1"
  done
done
kill "$owner"
