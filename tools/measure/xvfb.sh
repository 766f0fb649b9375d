# Sourced by the measuring and screenshot scripts: start_xvfb SIZE starts a
# private Xvfb of that size (e.g. 1280x800) with no window manager and a
# temporary home, sets work, DISPLAY and HOME, and cleans up at exit along
# with the process in $pid, if any.
start_xvfb() {
  work=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill ${pid:-} $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -1 "$work/display") HOME=$work/home
  mkdir -p "$HOME"
}
