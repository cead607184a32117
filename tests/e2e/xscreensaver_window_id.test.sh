#!/usr/bin/env bash
# --window-id (hex or decimal) draws into that window; the window's end ends
# the saver with status 0.
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
