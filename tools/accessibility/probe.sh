#!/usr/bin/env bash
# Starts the suite under Xvfb and openbox with the desktop accessibility bus,
# then lets probe.py look at it as a screen reader would (needs xvfb, openbox,
# xdotool, at-spi2-core and python3-pyatspi).
set -u
BIN=${1:?usage: tools/accessibility/probe.sh <velmora-suite>}
export DISPLAY=:99
Xvfb :99 -screen 0 1280x720x24 >/dev/null 2>&1 & XV=$!
sleep 1
eval $(dbus-launch --sh-syntax)
openbox >/dev/null 2>&1 & WM=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & BUS=$!
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
rm -f /tmp/velmora-*.lock 2>/dev/null
"$BIN" >/tmp/atspi-app.log 2>&1 & APP=$!
sleep 3
/usr/bin/python3 "$(dirname "$0")/probe.py"
kill $APP $BUS $WM $XV 2>/dev/null
kill $DBUS_SESSION_BUS_PID 2>/dev/null
