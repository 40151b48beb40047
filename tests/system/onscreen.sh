#!/bin/sh
# Runs a command on a display of its own, as a classroom's big screen is:
# an X server of 1920 x 1080 with a window manager (openbox), Qt on X.
#   onscreen.sh COMMAND [ARGS...]
set -eu
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "onscreen.sh needs $tool (scripts/setup.sh installs it)"; exit 1; }
done
runtime=$(mktemp -d)
trap 'kill $wm $server 2>/dev/null || true; rm -rf "$runtime"' EXIT
# The first free display number from 90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
server=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable >"$runtime/openbox.log" 2>&1 &
wm=$!
sleep 1
chmod 700 "$runtime"
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime" "$@"
