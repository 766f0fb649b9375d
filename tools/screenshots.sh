#!/usr/bin/env bash
# Drives the built game under Xvfb and photographs its screens into
# docs/screenshots: countdown, blankout, pause, about and highscores.
# Usage: tools/screenshots.sh [PROGRAM]   (default build/src/pemola)
set -eu
cd "$(dirname "$0")/.."
program=${1:-build/src/pemola}
out=docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 960x600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
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
shot() { sleep 0.6; import -window root "$out/$1.png"; }
shot countdown
xdotool key space; shot blankout
xdotool key space; sleep 0.5; xdotool key p; shot paused
xdotool key i; shot about
xdotool key h; shot highscores
echo "screenshots in $out"
