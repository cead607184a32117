# Helpers for the tests against the real XScreenSaver daemon and its
# settings program, with the installed torvane; source after lib.sh.
# XScreenSaver refuses to run hacks as root, so the daemon, the settings
# program and the hacks run as nobody, with a scratch home of their own.

# daemon_begin: skips the test (status 77) unless the torvane package is
# installed; starts Xvfb and makes the scratch home with a .xscreensaver
# that blanks at once with no fade, splash, lock or power management and
# runs only the first program, torvane, then glknots.
daemon_begin() {
  if ! dpkg-query -W -f='${Status}' torvane 2>/dev/null | grep -q 'install ok installed' ||
     [ ! -e /usr/libexec/xscreensaver/torvane ]; then
    echo "SKIP: the torvane package is not installed (scripts/test installs it)"
    exit 77
  fi
  command -v xscreensaver >/dev/null || fail "no xscreensaver (scripts/setup installs it)"
  start_xvfb "${1:-640x480x24}"
  trap daemon_end EXIT
  SCRATCH=$(mktemp -d)
  chmod 755 "$SCRATCH"
  mkdir "$SCRATCH/home"
  cat >"$SCRATCH/home/.xscreensaver" <<'CONFIG'
timeout:	1:00:00
cycle:		1:00:00
lock:		False
fade:		False
unfade:		False
splash:		False
dpmsEnabled:	False
mode:		one
selected:	0
programs:	\
  GL: torvane --root \n\
  GL: glknots --root \n
CONFIG
  chown -R nobody:nogroup "$SCRATCH"
}

# as_nobody COMMAND...: runs it as nobody with the scratch home.
as_nobody() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$SCRATCH/home" DISPLAY="$DISPLAY" LANG=C.UTF-8 "$@"
}

# start_daemon: starts xscreensaver and waits until it answers.
start_daemon() {
  as_nobody xscreensaver --no-splash --verbose >"$TORVANE_OUT/daemon.log" 2>&1 &
  DAEMON_PID=$!
  for _ in $(seq 100); do
    as_nobody xscreensaver-command -time >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "the daemon does not answer: $(cat "$TORVANE_OUT/daemon.log")"
}

# command_daemon ARGS...: xscreensaver-command ARGS.
command_daemon() {
  as_nobody xscreensaver-command "$@" >>"$TORVANE_OUT/commands.log" 2>&1 || fail "xscreensaver-command $* failed"
}

daemon_end() {
  if [ -n "${DAEMON_PID:-}" ]; then
    as_nobody xscreensaver-command -exit >/dev/null 2>&1 || true
    for _ in $(seq 30); do kill -0 "$DAEMON_PID" 2>/dev/null || break; sleep 0.1; done
    kill "$DAEMON_PID" 2>/dev/null || true
    wait "$DAEMON_PID" 2>/dev/null || true
  fi
  for pid in $(torvane_pids); do kill "$pid" 2>/dev/null || true; done
  stop_xvfb
  [ -n "${SCRATCH:-}" ] && rm -rf "$SCRATCH"
}

# torvane_pids: the running torvane processes of this test: nobody's, with
# the scratch home (other tests may run theirs as nobody too), and not the
# ended ones a busy init has yet to reap.
torvane_pids() {
  local pid
  for pid in $(ps -u nobody -o pid=,stat=,comm= | awk '$2 !~ /^Z/ && $3 == "torvane" { print $1 }'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "HOME=$SCRATCH/home" && echo "$pid"
  done
  return 0
}

# wait_for_torvane_other_than PIDS: the pid of a running torvane not among
# PIDS, once there is one (fails after 20 s).
wait_for_torvane_other_than() {
  local pid
  for _ in $(seq 200); do
    for pid in $(torvane_pids); do
      [[ " $1 " == *" $pid "* ]] || { echo "$pid"; return 0; }
    done
    sleep 0.1
  done
  fail "no new torvane started"
}

# wait_for_no_torvane: fails unless every torvane is gone within 15 s (a
# busy machine may be in the middle of a slow frame).
wait_for_no_torvane() {
  for _ in $(seq 150); do
    [ -z "$(torvane_pids)" ] && return 0
    sleep 0.1
  done
  fail "torvane is still running: $(ps -u nobody -o pid,stat,args)"
}

# The pixel probe (tests/e2e/x_helpers/lit_probe.c).
LIT_PROBE="$TORVANE_BUILD_DIR/tests/e2e/x_helpers/lit_probe"
