#!/usr/bin/env bash
# Resident memory of the game after 10 and after 500 transitions (pause and
# resume fades, 1920 x 1080 fullscreen) under Xvfb.  Usage: transition_memory.sh PROGRAM
set -u
program=$1
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $pid $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display") HOME=$work/home
mkdir -p "$HOME"
"$program" >/dev/null 2>&1 &
pid=$!
sleep 2
win=$(xdotool search --name '^Pemola$' | while read -r w; do xwininfo -id "$w" | grep -q IsViewable && echo "$w"; done | head -1)
xdotool windowfocus "$win"
rss() { awk '/VmRSS/{print $2}' "/proc/$pid/status"; }
press() { for _ in $(seq "$1"); do xdotool key p; sleep 0.2; done; }
press 10
after10=$(rss)
press 490
after500=$(rss)
echo "resident after 10 transitions: $after10 kB; after 500: $after500 kB; growth $((after500 - after10)) kB"
