#!/usr/bin/env bash
# The real program with a settings file gone wrong. A FIFO or a link to
# /dev/zero in its place: the saver starts on its defaults, draws, ends on a
# key, and the thing stays as it was. A file the user may only read, itself
# or behind a link as dotfile managers lay them out, is read by /s and /c. A dialog killed (SIGKILL) at many
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

# A store of mode 0444 holding skin 4, itself and behind a link: /s draws
# the green skin (the default is red), and /c shows what it shows for a
# writable copy, which is not what it shows for the defaults.
store_with_skin_4='REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane Screensaver]\r\n"skin_id"=dword:00000004\r\n"func_id"=dword:00000002\r\n\r\n'
mkdir "$folder/dotfiles"
# shellcheck disable=SC2059
printf "$store_with_skin_4" >"$folder/dotfiles/registry.reg"
cp "$folder/dotfiles/registry.reg" "$TORVANE_OUT/writable.reg"
chmod 0444 "$folder/dotfiles/registry.reg"
for kind in file link; do
  rm -f "$TORVANE_REGISTRY"
  if [ "$kind" = file ]; then cp -p "$folder/dotfiles/registry.reg" "$TORVANE_REGISTRY"
  else ln -s dotfiles/registry.reg "$TORVANE_REGISTRY"; fi
  start_saver /s
  wait_for_window screensaver >/dev/null
  wait_for_lit "$TORVANE_OUT/read-only-$kind.png" 0.10
  g=$(mean_of "$TORVANE_OUT/read-only-$kind.png" G) r=$(mean_of "$TORVANE_OUT/read-only-$kind.png" R)
  awk "BEGIN { exit !($g > $r) }" || fail "/s on the read-only $kind: not green (red $r, green $g)"
  xdotool key space
  wait_for_end 5
  expect_status 0
  expect_quiet
  start_dialog /c
  dialog_shot "$CONFIG_WIN" "$TORVANE_OUT/read-only-$kind-dialog.png"
  xdotool key Escape
  wait_for_end 5
  expect_status 0
  cmp -s "$folder/dotfiles/registry.reg" "$TORVANE_OUT/writable.reg" || fail "the read-only $kind changed"
done
TORVANE_REGISTRY="$TORVANE_OUT/writable.reg" start_dialog /c
dialog_shot "$CONFIG_WIN" "$TORVANE_OUT/writable-dialog.png"
xdotool key Escape
wait_for_end 5
TORVANE_REGISTRY="$folder/none.reg" start_dialog /c
dialog_shot "$CONFIG_WIN" "$TORVANE_OUT/defaults-dialog.png"
xdotool key Escape
wait_for_end 5
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
for kind in file link; do
  [ "$(differing "$TORVANE_OUT/read-only-$kind-dialog.png" "$TORVANE_OUT/writable-dialog.png")" = 0 ] ||
    fail "/c on the read-only $kind shows other settings than on a writable copy"
done
[ "$(differing "$TORVANE_OUT/writable-dialog.png" "$TORVANE_OUT/defaults-dialog.png")" != 0 ] ||
  fail "the dialog looks the same with skin 4 and the Sphere 1 curve as with the defaults"
rm -f "$TORVANE_REGISTRY"
echo "read-only store, as a file and behind a link: /s draws its skin, /c shows its settings"

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
