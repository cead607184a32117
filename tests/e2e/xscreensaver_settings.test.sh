#!/usr/bin/env bash
# The real xscreensaver-settings, read through the accessibility bus as a
# screen reader reads it: it lists Torvane with its description and runs it
# in its preview; its Settings... pane shows every control of torvane.xml
# and builds the command line from them, which the installed torvane takes.
# A picture of the pane is left in $TORVANE_OUT/settings-pane.png.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/daemon_lib.sh"
e2e_begin
daemon_begin 1600x800x24
start_daemon

cp "$TORVANE_SOURCE_DIR/tests/e2e/settings_probe.py" "$SCRATCH/"
chmod 755 "$SCRATCH/settings_probe.py"
as_nobody dbus-run-session -- sh -c '
  xscreensaver-settings >"$1/settings.log" 2>&1 &
  settings=$!
  python3 "$1/settings_probe.py" "$1/settings-pane.png"
  status=$?
  for _ in $(seq 50); do kill -0 $settings 2>/dev/null || break; sleep 0.1; done
  kill $settings 2>/dev/null
  exit $status' probe "$SCRATCH" >"$TORVANE_OUT/probe.txt" 2>"$TORVANE_OUT/probe.err" &
probe=$!

preview=$(wait_for_torvane_other_than "")
tr '\0' ' ' <"/proc/$preview/cmdline" | grep -q -- '--root' || fail "the preview runs: $(tr '\0' ' ' <"/proc/$preview/cmdline")"
echo "the preview runs torvane (pid $preview)"
status=0
wait "$probe" || status=$?
cat "$TORVANE_OUT/probe.txt"
[ "$status" -eq 0 ] || fail "the probe failed ($status): $(cat "$TORVANE_OUT/probe.err")"
cp "$SCRATCH/settings-pane.png" "$TORVANE_OUT/settings-pane.png"
wait_for_no_torvane
echo "xscreensaver-settings closed its preview"

finding() { sed -n "s/^$1: //p" "$TORVANE_OUT/probe.txt"; }
[ "$(finding listed)" = Torvane ] || fail "Torvane is not listed"
finding description | grep -q "bumps travelling along it while the whole scene tumbles slowly" ||
  fail "the description: $(finding description)"
for control in "Frame rate" "Rotation speed" "Bump speed" "Curve resolution" "Revolution resolution" \
               "Show frame rate" "Skin 1" "Skin 4" "Original curve" "Sphere 2 curve" \
               "Bilinear filtering" "Animated bumps" "Smooth bumps" "Move texture with bumps" \
               "Environmental lighting" "Multitexture (if available)"; do
  finding controls | tr '|' '\n' | sed 's/^ *//; s/ *$//' | grep -qxF "$control" ||
    fail "the pane has no \"$control\""
done
[ "$(finding command)" = "torvane --root" ] || fail "the pane's command: $(finding command)"
after=$(finding "command after")
[ "$after" = "torvane --root --fps --skin 4 --curve sphere2" ] || fail "the changed pane's command: $after"
# The line the pane built is one the installed torvane takes.
# shellcheck disable=SC2086
env -u DISPLAY /usr/bin/torvane ${after#torvane } >/dev/null 2>"$TORVANE_OUT/built.err" || true
grep -q "cannot open display" "$TORVANE_OUT/built.err" || fail "torvane refuses \"$after\": $(cat "$TORVANE_OUT/built.err")"
echo "the pane offers every setting and builds \"$after\", which torvane takes"
