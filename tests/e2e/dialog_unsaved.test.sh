#!/usr/bin/env bash
# OK that cannot save tells the user: a message box over the dialog names
# the settings file and the reason, a line on stderr says it too, Enter
# answers the box, the old file stays as it was and the program ends with
# status 0 as after any OK. For a read-only file, a read-only folder (as
# root, whom only the store's own check stops, and as a user, whom the
# system stops as well), no home at all, a file where a folder should be,
# and a full disk.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/dialog_lib.sh"
host_begin 800x600x24
scratch=$(mktemp -d)
chmod 755 "$scratch"
program=$(copy_program "$scratch/program")
old='REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane Screensaver]\r\n"skin_id"=dword:00000002\r\n\r\n'

# runner NAME COMMAND...: a script that runs the program through COMMAND
# (as nobody, in a mount namespace of its own); prints its path.
runner() {
  local name=$1
  shift
  printf '#!/bin/sh\nexec %s "$@"\n' "$*" >"$scratch/$name"
  chmod 755 "$scratch/$name"
  echo "$scratch/$name"
}
as_nobody=$(runner as_nobody setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$program")

# ok_refused CASE FILE REASON [RUNNER]: in the dialog (run by RUNNER),
# Skin 4 and OK; a box and the store's line on stderr naming FILE and the
# store's REASON; FILE, if any, as before.
ok_refused() {
  local before="$scratch/before.reg"
  rm -f "$before"
  [ ! -f "$2" ] || cp "$2" "$before"
  TORVANE="${4:-$program}" start_dialog /c
  click_config $SKIN_4_BUTTON
  click_config $OK_BUTTON
  local box
  box=$(wait_for_window "Torvane Screensaver")
  sleep 0.5
  import -window "$box" "$TORVANE_OUT/$1.png"
  expect_lit "$TORVANE_OUT/$1.png" 0.5
  expect_running
  xdotool key Return
  wait_for_end 5
  expect_status 0
  [ "$(grep -cxF "torvane: $2: $3; settings not saved" "$TORVANE_OUT/saver.err")" = 1 ] ||
    fail "$1: stderr: $(cat "$TORVANE_OUT/saver.err")"
  if [ -f "$before" ]; then cmp -s "$2" "$before" || fail "$1: the file changed"
  else [ ! -e "$2" ] || fail "$1: a file was made"; fi
  echo "$1: a box, a line on stderr, the old file kept, status 0"
}

# A file of mode 0444 and a folder of mode 0555, as root and as nobody.
for user in root nobody; do
  folder="$scratch/$user"
  mkdir -p "$folder"
  export TORVANE_REGISTRY="$folder/registry.reg"
  # shellcheck disable=SC2059
  printf "$old" >"$TORVANE_REGISTRY"
  run="$program"
  if [ "$user" = nobody ]; then
    chown -R nobody:nogroup "$folder"
    run=$as_nobody
  fi
  chmod 0444 "$TORVANE_REGISTRY"
  ok_refused "read-only-file-$user" "$TORVANE_REGISTRY" "the file is read-only" "$run"
  chmod 0644 "$TORVANE_REGISTRY"
  chmod 0555 "$folder"
  ok_refused "read-only-folder-$user" "$TORVANE_REGISTRY" "its folder $folder is read-only" "$run"
  chmod 0755 "$folder"
done

# No home: HOME, XDG_CONFIG_HOME and TORVANE_REGISTRY unset, as nobody, whose
# home in the password file is /nonexistent.
home=$(getent passwd nobody | cut -d: -f6)
[ ! -e "$home" ] || fail "nobody's home $home exists"
ok_refused no-home "$home/.config/torvane/registry.reg" "the folder / is read-only" \
  "$(runner no_home env -u HOME -u XDG_CONFIG_HOME -u TORVANE_REGISTRY "$as_nobody")"

# A file where a folder should be: XDG_CONFIG_HOME names a file.
echo "not a folder" >"$scratch/plain"
unset TORVANE_REGISTRY
XDG_CONFIG_HOME="$scratch/plain" ok_refused not-a-folder "$scratch/plain/torvane/registry.reg" \
  "Not a directory"

# A full disk: a small tmpfs, filled, in a mount namespace of its own (where
# this process may make one).
disk="$scratch/disk"
mkdir "$disk"
if unshare --mount --propagation private mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  cat >"$scratch/full_disk" <<SCRIPT
#!/bin/sh
mount -t tmpfs -o size=64k tmpfs "$disk" || exit 90
printf '$old' >"$disk/registry.reg"
dd if=/dev/zero of="$disk/filler" bs=4096 2>/dev/null
status=0
TORVANE_REGISTRY="$disk/registry.reg" "$program" "\$@" || status=\$?
cp "$disk/registry.reg" "$scratch/after-full.reg"
exit \$status
SCRIPT
  chmod 755 "$scratch/full_disk"
  ok_refused full-disk "$disk/registry.reg" "No space left on device" \
    "$(runner full_disk_namespace unshare --mount --propagation private "$scratch/full_disk")"
  # shellcheck disable=SC2059
  [ "$(cat "$scratch/after-full.reg")" = "$(printf "$old")" ] || fail "full disk: the file changed"
else
  echo "full disk: this process may not mount a file system, not tried"
fi
