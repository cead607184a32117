#!/usr/bin/env bash
# SIGTERM and SIGINT end the saver within a second with status 0 at every
# moment: while its libraries load (from the dynamic loader itself, and sent
# as soon as the launcher holds the signals back), and swept from the
# instant its handlers are in place through start-up into drawing, full
# screen and in a preview, and again with the X server stopped at that
# moment, which leaves the saver waiting in whatever call it made.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24
cd "$TORVANE_OUT"
allow_cores

xmessage -bg black -fg black -name signalparent -geometry 320x240+0+0 "parent" &
parent=$(wait_for_window signalparent)

# While GTK's library is being mapped, long before the program's own code
# runs: every switch, and XScreenSaver's form, which ends so before it has
# read its options.
early="$TORVANE_BUILD_DIR/tests/e2e/host_helpers/early_signal.so"
for signal in TERM INT; do
  for line in "/s" "/p $parent" "/c" "/a" "-window-id $parent"; do
    EARLY_SIGNAL=$signal EARLY_SIGNAL_AT=libgtk-3 LD_AUDIT="$early" start_saver $line
    end_round 2
  done
done
judge_rounds "signals while the libraries load"

# Sent from here as soon as the launcher holds the signals back.
loading=0
for round in $(seq 20); do
  signal=TERM
  line="/s"
  [ $((round % 2)) -eq 0 ] && signal=INT && line="/p $parent"
  start_saver $line
  wait_for_signal_handlers held
  [ "$(signals_of SigCgt)" = both ] || loading=$((loading + 1))
  kill -"$signal" "$SAVER_PID"
  end_round 1
done
judge_rounds "signals as early as the launcher holds them ($loading of them before the handlers)"

round=0
for frozen in no yes; do
  for moment in 0 0.05 0.1 0.2 0.3 0.4 0.6 0.8 1.0 1.5; do
    round=$((round + 1))
    signal=TERM
    line="/s"
    [ $((round % 2)) -eq 0 ] && signal=INT && line="/p $parent"
    start_saver $line
    wait_for_signal_handlers
    sleep "$moment"
    [ "$frozen" = yes ] && kill -STOP "$XVFB_PID"
    kill -"$signal" "$SAVER_PID"
    end_round 1
    [ "$frozen" = yes ] && kill -CONT "$XVFB_PID"
  done
  judge_rounds "signals, X server frozen: $frozen"
done
