#!/usr/bin/env bash
# Time from process start to the first painted frame under Xvfb, for the
# given program and a probe pixel that is black until the program draws.
# Usage: first_frame.sh RUNS X Y COMMAND...   (prints each run and the median, ms)
set -u
runs=$1 x=$2 y=$3
shift 3
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
sleep 0.5

lit() {
  import -window root -crop "1x1+$x+$y" -depth 8 txt:- 2>/dev/null | tail -1 | grep -qv "#000000"
}

times=()
for run in $(seq "$runs"); do
  export HOME=$work/home$run
  mkdir -p "$HOME"
  start=$(date +%s%N)
  setsid "$@" >/dev/null 2>&1 &
  pid=$!
  until lit; do sleep 0.005; done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  echo "run $run: ${times[-1]} ms"
  # The whole process group: a wrapper's children must not linger on screen.
  kill -- -$pid 2>/dev/null; wait $pid 2>/dev/null
  while lit; do sleep 0.05; done
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "median: ${sorted[$(( runs / 2 ))]} ms"
