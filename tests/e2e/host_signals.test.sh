#!/usr/bin/env bash
# SIGTERM and SIGINT end the saver within a second with status 0 at every
# moment: swept from the instant its handlers are in place through start-up
# into drawing, full screen and in a preview, and again with the X server
# stopped at that moment, which leaves the saver waiting in whatever call it
# made.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24
cd "$TORVANE_OUT"
allow_cores

xmessage -bg black -fg black -name signalparent -geometry 320x240+0+0 "parent" &
parent=$(wait_for_window signalparent)

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
