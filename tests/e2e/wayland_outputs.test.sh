#!/usr/bin/env bash
# Wayland, several outputs (those of a sway whose outputs are windows on
# another sway, so that one can also go): /s covers every output with a
# picture of its own; an output at scale 2 is drawn at its full resolution,
# as sharp as one at scale 1; an output added gets a saver within a second,
# one removed takes its saver with it; a key ends every saver within a
# second, with status 0.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wayland_lib.sh"
e2e_begin
start_sway_on_sway 2

store_still_settings  # every output shows the same

# A keyboard for the seat, all along (a seat that loses its keyboard takes
# the focus away).
"${SESSION_USER[@]}" wtype -s 100000 &
keyboard=$!
trap 'kill "$keyboard" 2>/dev/null; stop_sway' EXIT

start_wayland_saver /s
wait_for_savers 2
wait_for_covered WL-1
wait_for_covered WL-2
screenshot "$TORVANE_OUT/two-outputs.png"
echo "two outputs: each covered by a picture of its own"

# detail FILE: what FILE loses when shrunk to half its size and enlarged
# again (the mean difference, in grey): nothing for a picture that was drawn
# at half the resolution and enlarged by the compositor.
detail() {
  convert "$1" -colorspace gray \( +clone -scale 50% -scale 200% \) -compose difference -composite \
    -format '%[fx:mean]' info:
}
at_scale_1=$(detail "$TORVANE_OUT/WL-1.png")
as_session_user swaymsg -q output WL-2 scale 2
sharp=no
for _ in $(seq 40); do
  as_session_user grim -o WL-2 - >"$TORVANE_OUT/scale-2.png"
  at_scale_2=$(detail "$TORVANE_OUT/scale-2.png")
  if [ "$(uncovered_share "$TORVANE_OUT/scale-2.png")" = 0 ] &&
    awk "BEGIN { exit !($at_scale_2 > 0.7 * $at_scale_1) }"; then
    sharp=yes
    break
  fi
  sleep 0.5
done
[ "$sharp" = yes ] ||
  fail "at scale 2 the picture has less detail: $at_scale_2, at scale 1 $at_scale_1"
[ "$(identify -format %wx%h "$TORVANE_OUT/scale-2.png")" = 640x480 ] ||
  fail "WL-2 is not 640x480 pixels"
echo "scale 2: drawn at full resolution (detail $at_scale_2, at scale 1 $at_scale_1)"

savers=$SAVERS
as_session_user swaymsg -q create_output
wait_for_savers 3 1
wait_for_covered WL-3
added=$(grep -vxF "$savers" <<<"$SAVERS")
remove_output WL-3
expect_gone_within 1 "$added"
[ "$(saver_pids)" = "$savers" ] ||
  fail "the savers of the other outputs changed: $(echo $savers) before, $(echo $(saver_pids)) now"
echo "hot-plug: an output added got a saver, removed took it with it"

"${SESSION_USER[@]}" wtype x
wait_for_end 1
expect_status 0
# shellcheck disable=SC2086
expect_gone_within 1 $savers
echo "a key ended every saver with status 0"
