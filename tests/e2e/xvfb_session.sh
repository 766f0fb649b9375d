#!/usr/bin/env bash
# End to end in a real X server with no window manager: the built program
# starts with a temporary home, draws its header and board, takes keys,
# quits with Ctrl+Q and, once more, on SIGTERM; both times with status 0
# and the preferences written.
set -u
pemola=$1
source "$(dirname "$0")/xvfb_common.sh"

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
