#!/usr/bin/env bash
# End to end in a real X server with no window manager: the built program
# starts with a temporary home, draws its header and board, takes keys,
# quits with Ctrl+Q and, once more, on SIGTERM; both times with status 0
# and the preferences written.
set -u
pemola=$1
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
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

# The viewable window of the program, once it is there.
game_window() {
  for _ in $(seq 100); do
    for w in $(xdotool search --name '^Pemola$' 2>/dev/null); do
      xwininfo -id "$w" 2>/dev/null | grep -q IsViewable && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# The colour of one pixel of the screen as "r,g,b".
pixel() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Waits up to 2 s for the process to end; sets status to its exit status.
wait_within_2s() {
  for _ in $(seq 20); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    kill -9 "$1"
    status=timeout
    return
  fi
  wait "$1"
  status=$?
}

"$pemola" &
pid=$!
win=$(game_window) || fail "no window appeared"
sleep 1
# Fullscreen on a first start: header across the top, pieces on the board.
header=$(pixel 512 3)
[ "$header" != "0,0,0" ] || fail "no header bar at the top ($header)"
board_lit=0
for x in 300 400 500 600 700; do
  for y in 150 250 350 450; do
    [ "$(pixel $x $y)" != "0,0,0" ] && board_lit=1 && break 2
  done
done
[ $board_lit = 1 ] || fail "the board shows nothing"

xdotool windowfocus "$win"
for key in space p p i h Escape; do
  xdotool key "$key"
  sleep 0.4
  kill -0 $pid 2>/dev/null || fail "the program ended after key $key"
done
win=$(game_window) || fail "no window after leaving fullscreen"
xdotool windowfocus "$win"
xdotool key ctrl+q
wait_within_2s $pid
[ "$status" = 0 ] || fail "Ctrl+Q: status $status"
[ -s "$prefs" ] || fail "Ctrl+Q: no preferences written"
grep -q "WindowBounds" "$prefs" || fail "Ctrl+Q: preferences lack the window bounds"
rm -f "$prefs"

"$pemola" &
pid=$!
game_window >/dev/null || fail "no window on the second start"
sleep 0.5
kill -TERM $pid
wait_within_2s $pid
[ "$status" = 0 ] || fail "SIGTERM: status $status"
[ -s "$prefs" ] || fail "SIGTERM: no preferences written"
echo "PASS"
