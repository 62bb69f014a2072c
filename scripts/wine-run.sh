#!/usr/bin/env bash
# Runs a command on the Windows test desktop: inside the test machine (see build-vm.sh), a headless
# X server with two monitors side by side (Xinerama), Debian's wine32 with its prepared prefix, one
# wineserver for the whole run. The project folder is shared with the machine at the same path, so paths under it
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
  echo 'export DISPLAY=:1 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe="'
  echo '/usr/local/bin/ruvo-desktop || exit 1'
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
rc=0
bash "$here/scripts/vm-boot.sh" "$here" "$job" || rc=$?
# A failed run keeps its job files (and the machine's console) for a look.
[ "$rc" -ne 0 ] || rm -f "$job" "$job.out" "$job.rc" "$job.console"
exit "$rc"
