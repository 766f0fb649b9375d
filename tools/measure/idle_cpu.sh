#!/usr/bin/env bash
# CPU used by the running game while a board waits for its answer: starts
# the program under Xvfb, waits past the countdown, then samples its CPU
# time over a stretch of seconds.  Usage: idle_cpu.sh PROGRAM [SECONDS]
set -u
program=$1 seconds=${2:-10}
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $pid $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display") HOME=$work/home
mkdir -p "$HOME"
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
