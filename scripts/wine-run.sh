#!/usr/bin/env bash
# Runs a command inside the test desktop: Xvfb with two monitors side by side (Xinerama), a
# private Wine prefix under the build folder, and one wineserver for the whole run.
# Usage: scripts/wine-run.sh COMMAND [ARGS...]   (COMMAND may call `wine` any number of times)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
wine_root=$build/deps/wine
[ -x "$wine_root/bin/wine" ] || { echo "wine-run: no Wine in $wine_root; run scripts/setup.sh" >&2; exit 1; }
export PATH=$wine_root/bin:$PATH
export WINEPREFIX=${RUVO_WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

# A free display number, so parallel runs do not meet.
n=90
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1280x1024x24 -screen 1 1024x768x24 +xinerama -nolisten tcp >"$build/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill $xvfb >/dev/null 2>&1 || true
  wait $xvfb 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
export DISPLAY=:$n

if [ ! -f "$WINEPREFIX/.ruvo-ready" ]; then
  echo "wine-run: creating the Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # Wine reports both monitors through Xinerama only while XRandR is off.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.ruvo-ready"
fi
wineserver -p
"$@"
