#!/usr/bin/env bash
# CPU used by the running game while a board waits for its answer: starts
# the program under Xvfb, waits past the countdown, then samples its CPU
# time over a stretch of seconds.  Usage: idle_cpu.sh PROGRAM [SECONDS]
set -u
program=$1 seconds=${2:-10}
source "$(dirname "$0")/xvfb.sh"
start_xvfb 1280x800
"$program" >/dev/null 2>&1 &
pid=$!
sleep 7   # past the five-second countdown: the board is blanked out
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "cpu: $(( (after - before) * 1000 / hz )) ms in ${seconds} s = $(awk "BEGIN{printf \"%.2f\", ($after-$before)/$hz/$seconds*100}")% of one core"
echo "resident: $(awk '/VmRSS/{print $2, $3}' /proc/$pid/status)"
