#!/usr/bin/env bash
# The installed torvane under the real XScreenSaver 6 daemon: -activate
# starts it drawing in the daemon's window within a second (or, where the
# machine is too busy for that, no later than the daemon's own glknots);
# -deactivate and a key end it with no process left, and the daemon sees a
# hack it stopped rather than one that failed; -cycle starts it afresh.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/daemon_lib.sh"
e2e_begin
daemon_begin
start_daemon

# drawn_after ARGS...: sends the daemon the command and prints the
# milliseconds until the screen shows a drawing. The picture of a hack just
# deactivated may linger a moment: it is gone first.
drawn_after() {
  "$LIT_PROBE" root 0.02 20000 below >/dev/null || fail "the screen is still lit 20 s on"
  command_daemon "$@" &
  local ms
  ms=$("$LIT_PROBE" root 0.02 20000) || fail "nothing drawn 20 s after $*"
  wait $!
  echo "$ms"
}

# saver_window_of: the window torvane made (named "screensaver"), and its
# parent's name.
saver_window() { xdotool search --name '^screensaver$' 2>/dev/null | head -n1; }
parent_name() { xwininfo -tree -id "$1" | sed -n 's/^ *Parent window id: 0x[0-9a-f]* "\(.*\)".*/\1/p'; }

# Taking turns with glknots (the second program), twice each.
glknots_ms=$(drawn_after -select 2)
command_daemon -deactivate
torvane_ms=$(drawn_after -activate)
first=$(wait_for_torvane_other_than "")
[ "$(readlink "/proc/$first/exe")" = /usr/libexec/torvane/torvane ] ||
  fail "the daemon ran $(readlink "/proc/$first/exe"), not the installed torvane"
window=$(saver_window)
[ -n "$window" ] || fail "torvane made no window"
[ "$(parent_name "$window")" = XScreenSaver ] || fail "torvane's window is in \"$(parent_name "$window")\""
screenshot "$TORVANE_OUT/activated.png"
expect_lit "$TORVANE_OUT/activated.png" 0.10
echo "-activate: the installed torvane drew in the daemon's window"

command_daemon -deactivate
wait_for_no_torvane
echo "-deactivate: torvane ended, no process left"

ms=$(drawn_after -select 2)
glknots_ms=$(( ms < glknots_ms ? ms : glknots_ms ))
command_daemon -deactivate
ms=$(drawn_after -activate)
torvane_ms=$(( ms < torvane_ms ? ms : torvane_ms ))
command_daemon -deactivate
wait_for_no_torvane
echo "best of two: torvane drew after $torvane_ms ms, glknots after $glknots_ms ms"
limit=$(( glknots_ms * 3 / 2 > 1000 ? glknots_ms * 3 / 2 : 1000 ))
[ "$torvane_ms" -le "$limit" ] ||
  fail "torvane drew after $torvane_ms ms, later than $limit ms (glknots: $glknots_ms ms)"

drawn_after -activate >/dev/null
second=$(wait_for_torvane_other_than "$first")
# Right after blanking the daemon may not yet be watching the keyboard: a
# key every second until it unblanks.
for _ in $(seq 15); do
  xdotool key a
  sleep 1
  [ -z "$(torvane_pids)" ] && break
done
wait_for_no_torvane
echo "a key: torvane ended, no process left"

drawn_after -activate >/dev/null
third=$(wait_for_torvane_other_than "$first $second")
old_window=$(saver_window)
command_daemon -cycle
fourth=$(wait_for_torvane_other_than "$first $second $third")
for _ in $(seq 50); do [ "$(torvane_pids)" = "$fourth" ] && break; sleep 0.1; done
[ "$(torvane_pids)" = "$fourth" ] || fail "after -cycle: $(torvane_pids), expected only $fourth"
for _ in $(seq 100); do
  window=$(saver_window)
  [ -n "$window" ] && [ "$window" != "$old_window" ] && break
  sleep 0.1
done
[ -n "$window" ] && [ "$window" != "$old_window" ] || fail "-cycle: the new torvane made no window"
"$LIT_PROBE" "$window" 0.10 20000 >/dev/null || fail "-cycle: the new torvane draws nothing"
command_daemon -deactivate
wait_for_no_torvane
echo "-cycle: a new torvane ($fourth for $third) drew, and -deactivate ended it"

# The daemon stopped each torvane; the one -cycle replaced it saw end by its
# SIGTERM, where a hack that ended with a status is "exited abnormally".
for pid in $first $second $third $fourth; do
  grep -q "killing pid $pid (torvane)" "$TORVANE_OUT/daemon.log" || fail "the daemon did not stop pid $pid"
done
grep -q "child pid $third (torvane) exited normally with SIGTERM" "$TORVANE_OUT/daemon.log" ||
  fail "the daemon did not see torvane end by its SIGTERM: $(grep "pid $third" "$TORVANE_OUT/daemon.log")"
if grep 'torvane) exited abnormally' "$TORVANE_OUT/daemon.log"; then fail "the daemon saw torvane fail"; fi

