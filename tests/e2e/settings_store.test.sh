#!/usr/bin/env bash
# The real program with a settings file gone wrong. A FIFO or a link to
# /dev/zero in its place: the saver starts on its defaults, draws, ends on a
# key, and the thing stays as it was. A dialog killed (SIGKILL) at many
# moments after OK leaves either the old or the new settings, whole, and no
# temporary file outlives the next save.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/dialog_lib.sh"
e2e_begin
start_xvfb 800x600x24
folder=$(mktemp -d)
host_settings_in "$folder"

for kind in FIFO /dev/zero; do
  rm -f "$TORVANE_REGISTRY"
  if [ "$kind" = FIFO ]; then mkfifo "$TORVANE_REGISTRY"; else ln -s /dev/zero "$TORVANE_REGISTRY"; fi
  start_saver /s
  wait_for_window screensaver >/dev/null
  wait_for_lit "$TORVANE_OUT/saver.png" 0.10
  xdotool key space
  wait_for_end 5
  expect_status 0
  expect_quiet
  if [ "$kind" = FIFO ]; then [ -p "$TORVANE_REGISTRY" ]; else [ "$(readlink "$TORVANE_REGISTRY")" = /dev/zero ]; fi ||
    fail "the $kind store was changed"
  echo "$kind as the settings file: the saver draws on its defaults and ends on a key"
done

# save_with_smooth_bumps [KILL_AFTER]: OK after a click on Smooth bumps;
# with KILL_AFTER (seconds) the dialog is killed that long after the key
# goes out.
save_with_smooth_bumps() {
  start_dialog /c
  click_config $SMOOTH_BUMPS_BOX
  if [ $# -gt 0 ]; then
    (sleep "$1" && kill -KILL "$SAVER_PID" 2>/dev/null) &
    KILLER_PID=$!
  fi
  xdotool key Return
}

# old.reg: the defaults; new.reg: what OK stores after Smooth bumps is clicked.
rm -f "$TORVANE_REGISTRY"
start_dialog /c
xdotool key Return
wait_for_end 5
cp "$TORVANE_REGISTRY" "$TORVANE_OUT/old.reg"
save_with_smooth_bumps
wait_for_end 5
cp "$TORVANE_REGISTRY" "$TORVANE_OUT/new.reg"
cmp -s "$TORVANE_OUT/old.reg" "$TORVANE_OUT/new.reg" && fail "Smooth bumps changed nothing"

# Killed 0 to 33 ms after Enter goes out: before, during and after its save.
rounds=12 old=0 new=0
for round in $(seq 0 $((rounds - 1))); do
  cp "$TORVANE_OUT/old.reg" "$TORVANE_REGISTRY"
  save_with_smooth_bumps "$(awk "BEGIN { print $round * 0.003 }")"
  { wait "$SAVER_PID" "$KILLER_PID"; } 2>/dev/null || true
  if cmp -s "$TORVANE_REGISTRY" "$TORVANE_OUT/old.reg"; then
    old=$((old + 1))
  elif cmp -s "$TORVANE_REGISTRY" "$TORVANE_OUT/new.reg"; then
    new=$((new + 1))
  else
    fail "round $round: neither the old nor the new settings: $(cat "$TORVANE_REGISTRY")"
  fi
done
echo "$rounds dialogs killed after OK: old settings kept $old, new settings stored $new"
start_dialog /c
xdotool key Return
wait_for_end 5
expect_status 0
leftovers=$(find "$folder" -maxdepth 1 -name 'registry.reg.*' ! -name registry.reg.lock)
[ -z "$leftovers" ] || fail "left after a save: $leftovers"
echo "no temporary file left after the next save"
