#!/usr/bin/env bash
# Runs a command on the Windows test desktop: inside the test machine (see build-vm.sh), Xvfb with
# two monitors side by side (Xinerama), Debian's wine32 with its prepared prefix, one wineserver for
# the whole run. The project folder is shared with the machine at the same path, so paths under it
# mean the same inside. Usage: scripts/wine-run.sh COMMAND [ARGS...]   (run from inside the project)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
[ -f "$build/deps/vm/.image-ready" ] || { echo "wine-run: no test machine; run scripts/setup.sh" >&2; exit 1; }
jobs=$build/vm-jobs
mkdir -p "$jobs"
job=$jobs/job-$$.sh
{
  echo '#!/bin/sh'
  echo 'export DISPLAY=:1 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=,winedbg.exe="'
  echo 'Xvfb :1 -screen 0 1280x1024x24 -screen 1 1024x768x24 +xinerama -nolisten tcp >/tmp/xvfb.log 2>&1 &'
  echo 'for i in $(seq 100); do [ -e /tmp/.X11-unix/X1 ] && break; sleep 0.2; done'
  echo 'wineserver -p </dev/null >/dev/null 2>&1'
  # Wine's background processes start here, so they do not hold the command's pipes open.
  echo 'wine cmd /c exit </dev/null >/dev/null 2>&1'
  printf 'cd %q\n' "$PWD"
  printf '%q ' "$@"
  echo
  echo 'rc=$?'
  echo 'wineserver -k'
  echo 'exit $rc'
} >"$job"
bash "$here/scripts/vm-boot.sh" "$here" "$job"
