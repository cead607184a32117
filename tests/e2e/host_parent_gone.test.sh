#!/usr/bin/env bash
# A preview whose parent window goes during start-up ends with status 0.
# On an 8-bit screen no pixel format has the colours asked for, so start-up
# shows an error box (which GTK cannot paint there, but it is up): the box
# must not keep a saver whose window is gone.
# The parent goes at swept moments, before, while and after the box comes.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x8
cd "$TORVANE_OUT"
allow_cores

xmessage -name boxparent -geometry 200x150+0+0 "parent" &
owner=$!
start_saver /p "$(wait_for_window boxparent)"
wait_for_window Error >/dev/null
kill "$owner"
wait_for_end 5
expect_status 0
echo "the error box went with the preview's parent: status 0"

for round in $(seq 30); do
  xmessage -name "parent$round" -geometry 200x150+0+0 "parent" &
  owner=$!
  start_saver /p "$(wait_for_window "parent$round")"
  sleep "$(awk "BEGIN { print ($round % 15) * 0.1 }")"
  kill "$owner"
  wait "$owner" 2>/dev/null || true
  end_round 5
done
judge_rounds "parent gone during start-up"
