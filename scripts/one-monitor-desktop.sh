#!/usr/bin/env bash
# Restarts the test desktop with one monitor, inside the same boot of the test machine: the Wine
# programs end, the two-monitor X server is stopped by its process id, and Xvfb takes display :1
# with one 1280x1024 screen; Wine then reports one monitor. Run on the test desktop (wine-run.sh).
set -euo pipefail
wineserver -k || true
wineserver -w || true
if [ -f /tmp/.X1-lock ]; then
  pid=$(tr -d ' ' </tmp/.X1-lock)
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
fi
rm -f /tmp/.X1-lock /tmp/.X11-unix/X1
Xvfb :1 -screen 0 1280x1024x24 -nolisten tcp >/tmp/xvfb.out 2>&1 &
for _ in $(seq 150); do [ -e /tmp/.X11-unix/X1 ] && break; sleep 0.2; done
[ -e /tmp/.X11-unix/X1 ] || { echo "one-monitor-desktop: Xvfb did not start" >&2; cat /tmp/xvfb.out >&2; exit 1; }
wineserver -p </dev/null >/dev/null 2>&1
# Wine's background programs start here, so they do not hold the caller's pipes open.
wine cmd /c exit </dev/null >/dev/null 2>&1
