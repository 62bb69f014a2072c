#!/usr/bin/env bash
# Benchmark (not a test): under Wine, the time LoadLibrary of Ruvo_Server.dll takes and the
# process's private memory before and after it, next to a DLL that only decodes the same 14
# background pictures once. Each load runs in a fresh process, three times over.
# Usage: scripts/bench-load.sh [WINDOWS_BUILD_DIR]   (default build/win; built beforehand)
# The folder is named from where the script is started, before the prologue leaves it.
out=$(cd "${1:-$(dirname "$0")/../build/win}" && pwd) || exit 1
. "$(dirname "$0")/lib.sh"
. scripts/machine-job.sh
for f in Ruvo_Server.dll bench_decode_once.dll bench_load.exe; do
  [ -f "$out/bin/$f" ] || { echo "bench-load: $out/bin/$f is missing; build the Windows targets first" >&2; exit 1; }
done
# The programs run from a local copy, so the timing does not include reading a shared folder.
run_in_machine "$out/bench-load-job.sh" /tmp/bench-load "$out/bin/Ruvo_Server.dll" "$out/bin/bench_decode_once.dll" \
  "$out/bin/bench_load.exe" <<JOB
for i in 1 2 3; do
  wine bench_load.exe Ruvo_Server.dll | tr -d '\r'
  wine bench_load.exe bench_decode_once.dll | tr -d '\r'
done
rm -rf /tmp/bench-load
JOB
