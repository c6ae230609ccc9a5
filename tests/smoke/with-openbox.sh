#!/bin/sh
# Runs a command on the X display under the openbox window manager: starts
# it, waits until it manages the screen (up to half a minute on a loaded
# machine), runs the command and stops it.
set -u
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
tries=0
until wmctrl -m >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ "$tries" -gt 300 ]; then
    echo "openbox did not start"
    kill "$wm" 2>/dev/null
    exit 1
  fi
  sleep 0.1
done
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
