#!/usr/bin/env bash
# Restarts the test desktop inside the same boot of the test machine, for the cases that need
# another one: "restart-desktop.sh WIDTHxHEIGHT" gives the first monitor that size, with the
# 1024x768 second monitor still to its right; "restart-desktop.sh one" gives a single 1280x1024
# monitor (Xvfb). The Wine programs end, the running X server is stopped by its process id and
# the new one takes display :1. Run on the test desktop (wine-run.sh).
set -euo pipefail
size=${1:?usage: restart-desktop.sh WIDTHxHEIGHT | one}
wineserver -k || true
wineserver -w || true
if [ -f /tmp/.X1-lock ]; then
  pid=$(tr -d ' ' </tmp/.X1-lock)
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
fi
rm -f /tmp/.X1-lock /tmp/.X11-unix/X1
if [ "$size" = one ]; then
  Xvfb :1 -screen 0 1280x1024x24 -nolisten tcp >/tmp/x.out 2>&1 &
else
  w=${size%x*} h=${size#*x}
  # The first monitor's mode, at 60 Hz with blanking of common monitor timings; the dummy driver
  # takes any timing within the configuration's sync ranges.
  ht=$((w + 408)) vt=$((h + 42))
  clock=$(awk -v p=$((ht * vt)) 'BEGIN { printf "%.2f", p * 60 / 1e6 }')
  mode="Modeline \"$size\" $clock $w $((w + 48)) $((w + 160)) $ht $h $((h + 1)) $((h + 4)) $vt"
  sed -e "0,/Modeline .*/s//$mode/" -e "0,/Modes .*/s//Modes \"$size\"/" -e "0,/Virtual .*/s//Virtual $w $h/" \
    /etc/X11/two-monitors.conf >/etc/X11/sized-monitors.conf
  Xorg :1 -config sized-monitors.conf -noreset -nolisten tcp -logfile /tmp/xorg.log >/tmp/x.out 2>&1 &
fi
for _ in $(seq 150); do [ -e /tmp/.X11-unix/X1 ] && break; sleep 0.2; done
[ -e /tmp/.X11-unix/X1 ] || { echo "restart-desktop: the X server did not start" >&2; tail -n 20 /tmp/x.out /tmp/xorg.log >&2; exit 1; }
wineserver -p </dev/null >/dev/null 2>&1
# Wine's background programs start here, so they do not hold the caller's pipes open.
wine cmd /c exit </dev/null >/dev/null 2>&1
