#!/usr/bin/env bash
# Shared by the end-to-end tests: a private Xvfb with no window manager, a
# temporary home, and small probes of the running program.
# Sets: work, DISPLAY, HOME, prefs; defines fail, game_window, window_named,
# pixel, wait_within_2s.
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -1 "$work/display")
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: cannot reach the X server at $DISPLAY"; exit 1; }

export HOME=$work/home XDG_DATA_HOME= XDG_CONFIG_HOME= XDG_CACHE_HOME= QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"
prefs="$HOME/.local/share/Application Support/com.larkfen.pemola/preferences"
fail() { echo "FAIL: $*"; exit 1; }

# The viewable window of that title, once it is there (up to 10 s).
window_named() {
  for _ in $(seq 100); do
    for w in $(xdotool search --name "^$1\$" 2>/dev/null); do
      xwininfo -id "$w" 2>/dev/null | grep -q IsViewable && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
game_window() { window_named Pemola; }

# The colour of one pixel of the screen as "r,g,b".
pixel() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

source "$(dirname "${BASH_SOURCE[0]}")/wait_for_exit.sh"

