# Helpers for the Wayland end-to-end scripts, over those of host_lib.sh;
# source after lib.sh. Each script gets a private headless sway with one 640x480
# output and no input devices. Sway refuses to run as root, so as root the
# compositor and every client run as the user nobody, from copies of the
# programs in a folder of the session's own (the build folder may not be
# readable by nobody). Files the tests keep are written by this shell.

source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"

WAYLAND_WIDTH=640
WAYLAND_HEIGHT=480

# as_session_user COMMAND...: runs COMMAND in the session's environment, as
# nobody when this shell is root; in the background its $! is COMMAND's own.
if [ "$(id -u)" -eq 0 ]; then
  SESSION_USER=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
else
  SESSION_USER=(env)
fi
as_session_user() { "${SESSION_USER[@]}" "$@"; }

# start_sway: starts the compositor and waits for its sockets (fails after
# 20 s), with the lines of SWAY_CONFIG (if any) at the end of its
# configuration; exports
# WAYLAND_DISPLAY, SWAYSOCK and XDG_RUNTIME_DIR, makes $TORVANE the session's
# copy of the program, keeps its settings in the session folder and stops
# the compositor when the script ends.
start_sway() {
  SESSION_DIR=$(mktemp -d)
  chmod 755 "$SESSION_DIR"
  mkdir -m 700 "$SESSION_DIR/runtime"
  mkdir "$SESSION_DIR/home"
  TORVANE=$(copy_program "$SESSION_DIR")
  install -m 755 "$TORVANE_BUILD_DIR/tests/e2e/wayland_helpers/virtual_pointer" "$SESSION_DIR"
  printf '%s\n' "xwayland disable" "output * bg #000000 solid_color" \
    "output HEADLESS-1 mode ${WAYLAND_WIDTH}x${WAYLAND_HEIGHT}" "default_border none" \
    "${SWAY_CONFIG[@]}" >"$SESSION_DIR/sway.conf"
  chmod 644 "$SESSION_DIR/sway.conf"
  [ "$(id -u)" -ne 0 ] || chown -R nobody:nogroup "$SESSION_DIR/runtime" "$SESSION_DIR/home"

  unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
  export XDG_RUNTIME_DIR="$SESSION_DIR/runtime" HOME="$SESSION_DIR/home" NO_AT_BRIDGE=1
  export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 LIBGL_ALWAYS_SOFTWARE=1
  host_settings_in "$SESSION_DIR/home"
  "${SESSION_USER[@]}" sway -c "$SESSION_DIR/sway.conf" >"$TORVANE_OUT/sway.log" 2>&1 &
  SWAY_PID=$!
  trap stop_sway EXIT
  wait_for_sway "$SWAY_PID" "$TORVANE_OUT/sway.log"
}

# wait_for_sway PID LOG: waits for the sockets of the sway PID, whose output
# goes to LOG (fails after 20 s), and exports them as WAYLAND_DISPLAY and
# SWAYSOCK.
wait_for_sway() {
  local socket ipc="$XDG_RUNTIME_DIR/sway-ipc.$(id -u nobody).$1.sock" taken=${WAYLAND_DISPLAY:-}
  [ "$(id -u)" -eq 0 ] || ipc="$XDG_RUNTIME_DIR/sway-ipc.$(id -u).$1.sock"
  for _ in $(seq 200); do
    socket=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? 2>/dev/null | grep -vxF "${taken:-none}" |
      head -n1) || true
    if [ -n "$socket" ] && [ -S "$ipc" ] &&
      as_session_user swaymsg -s "$ipc" -t get_outputs >/dev/null 2>&1; then
      export WAYLAND_DISPLAY="$socket" SWAYSOCK="$ipc"
      return 0
    fi
    sleep 0.1
  done
  fail "sway did not start: $(cat "$2")"
}

# start_sway_on_sway N: a sway whose N outputs (WL-1 to WL-N, 640x480) are
# windows on the headless sway of start_sway; unlike a headless output, such
# an output can go (remove_output). Its outputs show magenta where nothing
# covers them. WAYLAND_DISPLAY and SWAYSOCK are then this sway's.
start_sway_on_sway() {
  WAYLAND_WIDTH=1920 WAYLAND_HEIGHT=600
  SWAY_CONFIG=('for_window [app_id="wlroots"] floating enable')
  start_sway
  OUTER_SWAYSOCK=$SWAYSOCK
  local n
  {
    printf '%s\n' "xwayland disable" "output * bg #ff00ff solid_color" "default_border none"
    for n in 1 2 3 4; do echo "output WL-$n mode 640x480"; done
  } >"$SESSION_DIR/inner.conf"
  chmod 644 "$SESSION_DIR/inner.conf"
  WLR_BACKENDS=wayland WLR_WL_OUTPUTS=$1 "${SESSION_USER[@]}" sway -c "$SESSION_DIR/inner.conf" \
    >"$TORVANE_OUT/inner-sway.log" 2>&1 &
  INNER_SWAY_PID=$!
  wait_for_sway "$INNER_SWAY_PID" "$TORVANE_OUT/inner-sway.log"
}

# remove_output NAME: the output NAME of start_sway_on_sway goes.
remove_output() {
  as_session_user swaymsg -q -s "$OUTER_SWAYSOCK" "[title=\"wlroots - $1\"] kill"
}

# uncovered_share FILE: the share (0..1) of FILE's pixels that show the
# magenta of an output nothing covers.
uncovered_share() {
  convert "$1" -channel G -negate +channel -separate -evaluate-sequence Min -threshold 90% \
    -format '%[fx:mean]' info:
}

# wait_for_covered OUTPUT: waits until the saver covers OUTPUT of
# start_sway_on_sway and draws on it (fails after 20 s); its picture is
# $TORVANE_OUT/OUTPUT.png.
wait_for_covered() {
  local shot="$TORVANE_OUT/$1.png"
  for _ in $(seq 40); do
    as_session_user grim -o "$1" - >"$shot"
    [ "$(uncovered_share "$shot")" = 0 ] && awk "BEGIN { exit !($(lit_share "$shot") >= 0.10) }" &&
      return 0
    sleep 0.5
  done
  fail "$1 is not covered by the saver's picture"
}

# stop_sway: ends the compositor (if it still runs), a saver a failed test
# left, and the session folder.
stop_sway() {
  stop_pointer
  [ -z "${SAVER_PID:-}" ] || kill "$SAVER_PID" 2>/dev/null || true
  local pid
  for pid in ${INNER_SWAY_PID:-} ${SWAY_PID:-}; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  SWAY_PID="" INNER_SWAY_PID=""
  [ -z "${SESSION_DIR:-}" ] || rm -rf "$SESSION_DIR"
}

# start_wayland_saver ARGS...: start_saver for the session's user.
start_wayland_saver() {
  "${SESSION_USER[@]}" "$TORVANE" "$@" >"$TORVANE_OUT/saver.out" 2>"$TORVANE_OUT/saver.err" &
  SAVER_PID=$!
}

# start_pointer: gives the seat a pointer (sets POINTER_PID); `cursor ARGS`
# moves and clicks it: `cursor set X Y`, `cursor move DX DY`, `cursor press
# button1`; buttons 4 to 7 are the wheels' steps.
start_pointer() {
  "${SESSION_USER[@]}" "$SESSION_DIR/virtual_pointer" >"$TORVANE_OUT/pointer.out" 2>&1 &
  POINTER_PID=$!
  for _ in $(seq 100); do
    grep -q ready "$TORVANE_OUT/pointer.out" && return 0
    sleep 0.1
  done
  fail "no virtual pointer: $(cat "$TORVANE_OUT/pointer.out")"
}
stop_pointer() {
  if [ -n "${POINTER_PID:-}" ]; then
    kill "$POINTER_PID" 2>/dev/null || true
    wait "$POINTER_PID" 2>/dev/null || true
  fi
  POINTER_PID=""
}
cursor() { as_session_user swaymsg -q -- seat seat0 cursor "$@"; }

# screenshot FILE: the compositor's output as a PNG, the cursor included.
# It takes the place of lib.sh's X screenshot, so wait_for_lit works here as
# it does on X.
screenshot() {
  as_session_user grim - >"$1"
}

# wait_for_toplevel TITLE: waits until the compositor shows a window with
# that title (fails after 20 s).
wait_for_toplevel() {
  for _ in $(seq 200); do
    as_session_user swaymsg -t get_tree 2>/dev/null | grep -qF "\"name\": \"$1\"" && return 0
    sleep 0.1
  done
  fail "no window named $1 appeared"
}

# expect_full_screen TITLE: the compositor shows the window TITLE full screen.
# In its tree a window's name comes before its fullscreen_mode, with only its
# empty lists of children between them.
expect_full_screen() {
  as_session_user swaymsg -r -t get_tree | tr -d ' \n' |
    grep -qE "\"name\":\"$1\"[^{}]*\"fullscreen_mode\":1" || fail "$1 is not full screen"
}
