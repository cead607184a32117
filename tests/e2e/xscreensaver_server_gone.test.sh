#!/usr/bin/env bash
# When the X server goes away the saver ends with status 0 and no core dump,
# whatever it is doing: full screen, as XScreenSaver's hack, and with the
# settings dialog open; and killed at swept moments from 0.05 s to 1 s after
# the start, through GL start-up (where Mesa loads its driver) into drawing.
# Both ways GL goes on X11: through GLX, and through EGL on a server
# without GLX.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
host_settings_in "$(mktemp -d)"
cd "$TORVANE_OUT"
allow_cores

for api in GLX EGL; do
  server=(640x480x24) lines=(/s --root /c)
  [ "$api" = EGL ] && server+=(-extension GLX) lines=(/s --root)  # the dialog draws no GL
  for line in "${lines[@]}"; do
    start_xvfb "${server[@]}"
    start_saver $line
    sleep 2
    expect_running
    stop_xvfb
    wait_for_end 5
    expect_status 0
    [ -z "$(find "$TORVANE_OUT" -name 'core*')" ] || fail "a core file was left"
    echo "$line, GL through $api: the server's end ended the saver with 0"
  done

  for tenths in $(seq 1 20); do
    start_xvfb "${server[@]}"
    start_saver /s
    sleep "$(awk "BEGIN { print $tenths * 0.05 }")"
    stop_xvfb KILL
    end_round 1
  done
  judge_rounds "GL through $api: X server killed at 0.05 s to 1 s"
done
