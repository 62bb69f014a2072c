#!/usr/bin/env bash
# Benchmark (not a test): under Wine, the presentation export of 60 slides of 1920x1080 (a
# text-like and a photo-like set) with the PowerPoint double, less the double's own Export time,
# next to two level-9 compressions of the same pictures; and the export's copy phase next to
# CopyFileA of the same module. Usage: scripts/bench-export.sh [SLIDES]   (builds first)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
cd "$here"
bash scripts/build.sh --no-fuzz >/dev/null
# From a local copy in the test machine: code mapped from the shared folder can read back as zeros.
cat >"$build/bench-export-job.sh" <<JOB
rm -rf /tmp/bench-export && mkdir -p /tmp/bench-export/work && cd /tmp/bench-export
cp "$build/win/bin/Ruvo_Server.dll" "$build/win/bin/bench_export.exe" .
wine bench_export.exe work ${1:-60} >out.txt 2>&1
rc=\$?
tr -d '\r' <out.txt
rm -rf /tmp/bench-export
exit \$rc
JOB
bash scripts/wine-run.sh bash "$build/bench-export-job.sh"
