#!/usr/bin/env bash
# End to end on a Wayland compositor: the built program starts under a
# headless Weston with a temporary home, covers the screen with its header
# and board, and ends on SIGTERM and on SIGINT with status 0 and the
# preferences written. (Weston offers no way to type into a client, so the
# keys are tried under Xvfb only.)
set -u
pemola=$1
work=$(mktemp -d)
weston=
trap '[ -n "$weston" ] && kill $weston 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; tail -5 "$work/weston.log" 2>/dev/null; exit 1; }

export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=pemola-$$
# A black desktop with no panel, so every lit pixel is the program's own;
# --debug lets a client take screenshots.
printf '[shell]\nbackground-color=0xff000000\npanel-position=none\n' >"$work/weston.ini"
weston --backend=headless-backend.so --use-pixman --debug --config="$work/weston.ini" --idle-time=0 \
  --socket=$socket --width=1024 --height=768 >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "Weston did not start"

unset DISPLAY
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
export HOME=$work/home XDG_DATA_HOME= XDG_CONFIG_HOME= XDG_CACHE_HOME=
mkdir -p "$HOME" "$work/shots"
prefs="$HOME/.local/share/Application Support/com.larkfen.pemola/preferences"

# The colour of one pixel of the screen as "r,g,b".
pixel() {
  rm -f "$work/shots"/*.png
  (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1)
  local shot
  shot=$(ls "$work/shots"/*.png 2>/dev/null | head -1)
  [ -n "$shot" ] || { echo none; return; }
  convert "$shot" -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

source "$(dirname "$0")/wait_for_exit.sh"

for signal in TERM INT; do
  rm -f "$prefs"
  "$pemola" >"$work/pemola.log" 2>&1 &
  pid=$!
  # A first start is fullscreen: the header bar along the top edge.
  header=none
  for _ in $(seq 50); do
    header=$(pixel 512 3)
    [ "$header" != none ] && [ "$header" != "0,0,0" ] && break
    kill -0 $pid 2>/dev/null || fail "the program ended at start: $(tail -3 "$work/pemola.log")"
    sleep 0.2
  done
  [ "$header" != none ] && [ "$header" != "0,0,0" ] || fail "no header bar at the top ($header)"
  board_lit=0
  for x in 300 400 500 600 700; do
    [ "$(pixel $x 250)" != "0,0,0" ] && board_lit=1 && break
  done
  [ $board_lit = 1 ] || fail "the board shows nothing"
  kill -$signal $pid
  wait_within_2s $pid
  [ "$status" = 0 ] || fail "SIG$signal: status $status"
  grep -q "WindowBounds" "$prefs" 2>/dev/null || fail "SIG$signal: no preferences with the window bounds"
done
echo "PASS"
