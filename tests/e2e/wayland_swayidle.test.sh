#!/usr/bin/env bash
# Wayland: swayidle starts the saver as the README shows (swayidle -w
# timeout N 'torvane /s'); it draws, a key ends it with status 0.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wayland_lib.sh"
e2e_begin
start_sway

ends="$HOME/ends.log"
"${SESSION_USER[@]}" swayidle -w timeout 1 "'$TORVANE' /s; echo \"status \$?\" >>'$ends'" \
  >"$TORVANE_OUT/swayidle.log" 2>&1 &
idle=$!
wait_for_lit "$TORVANE_OUT/saver.png" 0.10
echo "swayidle started the saver once the session was idle"

"${SESSION_USER[@]}" wtype -s 3000 x -s 10000 &
typist=$!
for _ in $(seq 150); do
  [ -s "$ends" ] && break
  sleep 0.1
done
kill "$idle" "$typist"
wait "$idle" "$typist" || true
[ "$(head -n1 "$ends" 2>/dev/null)" = "status 0" ] || fail "the saver did not end with 0: $(cat "$ends" 2>&1)"
echo "a key ended it with status 0"
