#!/usr/bin/env bash
# Runs a command on a desktop of its own: a private virtual X display
# (1920x1080) with the openbox window manager, as a user's session has one.
# Windows are then placed and focused by the window manager, popups land
# where the desktop puts them, and keys from xdotool reach the focused
# window. Each run gets its own display, so such tests can run beside the
# tests that use the shared bare display.
#
# Usage: run_on_desktop.sh COMMAND [ARG...]
set -u
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 1; }
command -v openbox >/dev/null || { echo "openbox is not installed"; exit 1; }

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
number=$(head -n 1 <"$fifo")
rm -f "$fifo"
if [ -z "$number" ]; then
  echo "the virtual display did not start"
  exit 1
fi
export DISPLAY=":$number"
# Windows appear only once the window manager manages the screen.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

"$@"
status=$?
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null
exit $status
