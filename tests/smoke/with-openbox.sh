#!/bin/sh
# Runs a command on the X display under the openbox window manager: starts
# it, waits until it manages the screen (up to half a minute on a loaded
# machine), runs the command and stops it. An openbox that ends before it
# manages the screen (it can lose a race with the new X server) is started
# again; what it said is shown if it never comes.
set -u
log=$(mktemp)
trap 'rm -f "$log"' EXIT
openbox --sm-disable >>"$log" 2>&1 &
wm=$!
tries=0
until wmctrl -m >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ "$tries" -gt 300 ]; then
    echo "openbox did not start"
    cat "$log"
    kill "$wm" 2>/dev/null
    exit 1
  fi
  if ! kill -0 "$wm" 2>/dev/null; then
    openbox --sm-disable >>"$log" 2>&1 &
    wm=$!
  fi
  sleep 0.1
done
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
