#!/usr/bin/env bash
# Benchmark (not a test): under Wine, the presentation export of 60 slides of 1920x1080 (a
# text-like and a photo-like set) with the PowerPoint double, less the double's own Export time,
# next to two level-9 compressions of the same pictures; and the export's copy phase next to
# CopyFileA of the same module. Usage: scripts/bench-export.sh [SLIDES]   (builds first)
. "$(dirname "$0")/lib.sh"
. scripts/machine-job.sh
bash scripts/build.sh --no-fuzz >/dev/null
run_in_machine "$build/bench-export-job.sh" /tmp/bench-export "$build/win/bin/Ruvo_Server.dll" \
  "$build/win/bin/bench_export.exe" <<JOB
mkdir work
wine bench_export.exe work ${1:-60} >out.txt 2>&1
rc=\$?
tr -d '\r' <out.txt
rm -rf /tmp/bench-export
exit \$rc
JOB
