#!/usr/bin/env bash
# The installed torvane under the real mate-screensaver (MATE's screen saver,
# which runs XScreenSaver's hacks from the entries in
# /usr/share/applications/screensavers/): its preferences list Torvane, and
# choosing it there previews it (a picture is left in
# $TORVANE_OUT/mate-preferences.png); mate-screensaver-command --activate
# then runs it drawing full screen, and --deactivate ends it with no process
# left. All of it as nobody, with a session bus of its own.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/daemon_lib.sh"
e2e_begin
daemon_begin 1024x768x24
command -v mate-screensaver >/dev/null || fail "no mate-screensaver (scripts/setup installs it)"
entry=/usr/share/applications/screensavers/torvane.desktop
[ -f "$entry" ] || fail "the package has no $entry"

bus="unix:path=$SCRATCH/bus"
as_nobody dbus-daemon --session --address="$bus" --fork --print-pid=1 >"$SCRATCH/bus.pid"
# as_mate COMMAND...: as nobody on that bus, with settings kept in a file of
# the scratch home (no dconf).
as_mate() { as_nobody env DBUS_SESSION_BUS_ADDRESS="$bus" GSETTINGS_BACKEND=keyfile "$@"; }
mate_end() {
  if [ -n "${MATE_PID:-}" ]; then
    kill "$MATE_PID" 2>/dev/null || true
    wait "$MATE_PID" 2>/dev/null || true
  fi
  kill "$(cat "$SCRATCH/bus.pid")" 2>/dev/null || true
  daemon_end
}
trap mate_end EXIT

cp "$TORVANE_SOURCE_DIR/tests/e2e/mate_probe.py" "$TORVANE_SOURCE_DIR/tests/e2e/settings_probe.py" "$SCRATCH/"
chmod 755 "$SCRATCH"/*.py
as_mate sh -c '
  mate-screensaver-preferences >"$1/preferences.log" 2>&1 &
  preferences=$!
  python3 "$1/mate_probe.py" "$1/mate-preferences.png"
  status=$?
  kill $preferences
  exit $status' probe "$SCRATCH" >"$TORVANE_OUT/probe.txt" 2>"$TORVANE_OUT/probe.err" &
probe=$!
preview=$(wait_for_torvane_other_than "")
status=0
wait "$probe" || status=$?
[ "$status" -eq 0 ] || fail "the probe failed ($status): $(cat "$TORVANE_OUT/probe.err")"
grep -qx "listed: Torvane" "$TORVANE_OUT/probe.txt" || fail "Torvane is not listed: $(cat "$TORVANE_OUT/probe.txt")"
cp "$SCRATCH/mate-preferences.png" "$TORVANE_OUT/"
wait_for_no_torvane
[ "$(as_mate gsettings get org.mate.screensaver themes)" = "['screensavers-torvane']" ] ||
  fail "choosing Torvane kept $(as_mate gsettings get org.mate.screensaver themes)"
echo "the preferences list Torvane; chosen, it ran in their preview (pid $preview) and ended with them"

as_mate mate-screensaver --no-daemon >"$TORVANE_OUT/mate.log" 2>&1 &
MATE_PID=$!
for _ in $(seq 100); do as_mate mate-screensaver-command --query >/dev/null 2>&1 && break; sleep 0.1; done
as_mate mate-screensaver-command --activate >>"$TORVANE_OUT/commands.log" 2>&1 || fail "--activate failed"
running=$(wait_for_torvane_other_than "")
[ "$(readlink "/proc/$running/exe")" = /usr/libexec/torvane/torvane ] || fail "MATE ran $(readlink "/proc/$running/exe")"
[ "$(tr '\0' ' ' <"/proc/$running/cmdline")" = "torvane --root " ] ||
  fail "MATE ran \"$(tr '\0' ' ' <"/proc/$running/cmdline")\""
"$LIT_PROBE" root 0.10 20000 >/dev/null || fail "torvane draws nothing under mate-screensaver"
screenshot "$TORVANE_OUT/activated.png"
echo "--activate: the installed torvane drew full screen"

as_mate mate-screensaver-command --deactivate >>"$TORVANE_OUT/commands.log" 2>&1 || fail "--deactivate failed"
wait_for_no_torvane
for _ in $(seq 50); do
  state=$(as_mate mate-screensaver-command --query)
  [[ $state == "The screensaver is inactive"* ]] && break
  sleep 0.1
done
[[ $state == "The screensaver is inactive"* ]] || fail "after --deactivate: $state"
echo "--deactivate: torvane ended, no process left"
