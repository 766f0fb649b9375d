#!/usr/bin/env bash
# Shared by the end-to-end tests.
# Waits up to 2 s for the process to end; sets status to its exit status,
# or to "timeout" after killing it.
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
