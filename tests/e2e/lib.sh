# Helpers for the end-to-end scripts: a private Xvfb per test, screenshots.
# Source it; it sets DISPLAY and stops the server when the script ends.

# start_xvfb [WxHxD [XVFB_ARGUMENT...]]: starts Xvfb on a free display and
# exports DISPLAY.
start_xvfb() {
  local screen="${1:-1280x720x24}" fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset "${@:2}" 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local num
  read -r num <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$num"
  trap stop_xvfb EXIT
}

# stop_xvfb [SIGNAL]: ends the server (with SIGNAL, KILL for a crash; TERM
# by default) and waits for it.
stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ] && kill -"${1:-TERM}" "$XVFB_PID" 2>/dev/null; then
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  XVFB_PID=""
}

# screenshot FILE [WINDOW]: saves the root window (or WINDOW) as a PNG.
screenshot() {
  import -window "${2:-root}" "$1"
}

# fail MESSAGE: prints the message and ends the test with status 1.
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# e2e_begin: common start of every script: strict mode, the output folder,
# and no window system of the user's session (the program would take a
# Wayland one over the test's X server).
e2e_begin() {
  set -euo pipefail
  mkdir -p "$TORVANE_OUT"
  unset WAYLAND_DISPLAY TORVANE_BACKEND
}
