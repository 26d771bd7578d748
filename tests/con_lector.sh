#!/usr/bin/env bash
# Runs a command where a screen reader could listen: on a virtual X display,
# with a D-Bus session and the accessibility bus, Qt's AT-SPI bridge on.
set -euo pipefail
if [ -z "${TALPIN_CON_LECTOR:-}" ]; then
  exec xvfb-run -a dbus-run-session -- env TALPIN_CON_LECTOR=1 bash "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
lanzador=$!
trap 'kill $lanzador' EXIT
# Qt looks for the bus once, as it starts.
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
