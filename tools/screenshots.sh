#!/usr/bin/env bash
# Drives the built game under Xvfb and photographs its screens into
# docs/screenshots: countdown, blankout, pause, about and highscores.
# Usage: tools/screenshots.sh [PROGRAM]   (default build/src/pemola)
set -eu
cd "$(dirname "$0")/.."
program=${1:-build/src/pemola}
out=docs/screenshots
mkdir -p "$out"
source "tools/measure/xvfb.sh"
start_xvfb 960x600
"$program" >/dev/null 2>&1 &
pid=$!
sleep 2
win=$(xdotool search --name '^Pemola$' | while read -r w; do xwininfo -id "$w" | grep -q IsViewable && echo "$w"; done | head -1)
xdotool windowfocus "$win"
shot() { sleep 0.6; import -window root "$out/$1.png"; }
shot countdown
xdotool key space; shot blankout
xdotool key space; sleep 0.5; xdotool key p; shot paused
xdotool key i; shot about
xdotool key h; shot highscores
echo "screenshots in $out"
