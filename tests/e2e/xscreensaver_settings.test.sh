#!/usr/bin/env bash
# The real xscreensaver-settings, read through the accessibility bus as a
# screen reader reads it: it lists Torvane with its description and runs it
# in its preview; its Settings... pane shows every control of torvane.xml,
# passes nothing while each shows its default (the sliders their default
# numbers, the menus "as in Torvane Settings"), and each control changed
# in turn adds its own option to the command line. Saved, the daemon runs
# torvane with that line, and torvane draws. A picture of the pane is left
# in $TORVANE_OUT/settings-pane.png.
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
               "Show frame rate" "Skin as in Torvane Settings" "Skin 1" "Skin 4" \
               "Curve as in Torvane Settings" "Original curve" "Sphere 2 curve" \
               "Filtering as in Torvane Settings" "Bilinear filtering" "No bilinear filtering" \
               "Bumps as in Torvane Settings" "Animated bumps" "No animated bumps" \
               "Bump shape as in Torvane Settings" "Smooth bumps" "Stepped bumps" \
               "Texture as in Torvane Settings" "Move texture with bumps" "Texture stays put" \
               "Reflection as in Torvane Settings" "Environmental lighting" "No environmental lighting" \
               "Multitexture as in Torvane Settings" "Multitexture (if available)" "No multitexture"; do
  finding controls | tr '|' '\n' | sed 's/^ *//; s/ *$//' | grep -qxF "$control" ||
    fail "the pane has no \"$control\""
done
[ "$(finding command)" = "torvane --root" ] || fail "the pane's command at its defaults: $(finding command)"

# Each control in turn adds its option to what the ones before built.
line="torvane --root"
while IFS='|' read -r control option; do
  after=$(finding "after $control")
  [ "$after" = "$line $option" ] || fail "after \"$control\": \"$after\", expected \"$line $option\""
  line=$after
done <<'CHANGES'
Frame rate|--delay 50000
Rotation speed|--speed 300
Bump speed|--bump-speed 120
Curve resolution|--segments 250
Revolution resolution|--points 20
Show frame rate|--fps
Skin 3|--skin 3
Sphere 1 curve|--curve sphere1
No bilinear filtering|--no-bilinear
Animated bumps|--bumps
Smooth bumps|--smooth-bumps
Move texture with bumps|--move-texture
Environmental lighting|--env-lighting
Multitexture (if available)|--multitexture
CHANGES
echo "the pane offers every setting, passes nothing at its defaults, and every control adds its option"

# What the pane saved is what the daemon runs, and torvane takes it.
command_daemon -activate
running=$(wait_for_torvane_other_than "")
[ "$(tr '\0' ' ' <"/proc/$running/cmdline" | sed 's/ $//')" = "$line" ] ||
  fail "the daemon runs \"$(tr '\0' ' ' <"/proc/$running/cmdline")\", expected \"$line\""
"$LIT_PROBE" root 0.10 20000 >/dev/null || fail "torvane draws nothing with \"$line\""
command_daemon -deactivate
wait_for_no_torvane
echo "saved, the daemon runs \"$line\", which draws"
