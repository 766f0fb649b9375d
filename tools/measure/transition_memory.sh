#!/usr/bin/env bash
# Resident memory of the game after 10 and after 500 transitions (pause and
# resume fades, 1920 x 1080 fullscreen) under Xvfb.  Usage: transition_memory.sh PROGRAM
set -u
program=$1
source "$(dirname "$0")/xvfb.sh"
start_xvfb 1920x1080
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
