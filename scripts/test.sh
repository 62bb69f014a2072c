#!/usr/bin/env bash
# Sets up, builds and runs every test: the native core under sanitizers, the fuzz targets for a
# bounded time, the export tables, and the Windows tests under Wine on a two-monitor desktop
# (Xorg's dummy driver), the screens again on every supported size of the first monitor, and the
# one-monitor cases on Xvfb last. Ends with the line "N passed, M failed".
. "$(dirname "$0")/lib.sh"
. scripts/machine-job.sh
# No -e: a failing step must not stop the later ones; every step is counted and the last line
# reports them all.
set +e
bash scripts/setup.sh || { echo "0 passed, 1 failed"; exit 1; }
bash scripts/build.sh || { echo "0 passed, 1 failed"; exit 1; }

passed=0 failed=0
logs=$build/test-logs
mkdir -p "$logs"

# Runs a GoogleTest binary and adds its counts; a run that ends without a summary counts as a failure.
gtest() {
  local label=$1; shift
  echo "== $label"
  "$@" >"$logs/$label.log" 2>&1
  local rc=$?
  grep -E '^\[  (FAILED|PASSED) |^\[ +OK +\]|Failure|FAILED TEST' "$logs/$label.log" | grep -v '^\[ *OK\|^\[ RUN' | tail -n 40
  local p f
  p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$logs/$label.log" | tail -n1)
  f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\{0,1\}, listed below:.*/\1/p' "$logs/$label.log" | tail -n1)
  if [ -z "$p" ] && [ -z "$f" ]; then
    echo "$label ended without a summary (exit $rc); see $logs/$label.log"
    tail -n 20 "$logs/$label.log"
    failed=$((failed + 1))
    return
  fi
  passed=$((passed + ${p:-0}))
  failed=$((failed + ${f:-0}))
  [ $rc -eq 0 ] || [ -n "$f" ] || { echo "$label exited $rc"; failed=$((failed + 1)); }
}

# Runs one check command; its exit code is its verdict.
check() {
  local label=$1; shift
  echo "== $label"
  if "$@" >"$logs/$label.log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    tail -n 30 "$logs/$label.log"
  fi
}

# The PNG decoder's tests read libpng's own test images from the source that setup fetches; here
# they must run, never skip.
RUVO_LIBPNG_SOURCE=${RUVO_LIBPNG_SOURCE:-$(find "$build/deps/src" -maxdepth 1 -type d -name 'libpng1.6-*' 2>/dev/null | head -n1)}
if [ -d "$RUVO_LIBPNG_SOURCE/contrib/pngsuite" ]; then
  export RUVO_LIBPNG_SOURCE
else
  echo "libpng source with contrib/pngsuite missing: not under $build/deps/src nor in RUVO_LIBPNG_SOURCE"
  failed=$((failed + 1))
fi
gtest native "$build/native/ruvo_native_tests"

fuzz_seconds=${FUZZ_SECONDS:-30}
# Each target starts from its seeds: the module files, or tests/fuzz/seeds-picture for the pictures.
for target in fuzz_module_header fuzz_slide_block fuzz_picture; do
  seeds=tests/fuzz/seeds
  [ "$target" = fuzz_picture ] && seeds=tests/fuzz/seeds-picture
  mkdir -p "$build/fuzz/corpus-$target"
  check "$target" "$build/fuzz/$target" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$build/fuzz/corpus-$target" "$seeds"
done

check exports-server bash scripts/check-exports.sh "$build/win/bin/Ruvo_Server.dll" tests/exports/Ruvo_Server.txt
check exports-launcher bash scripts/check-exports.sh "$build/win/bin/Ruvo_Presenter.exe" tests/exports/Ruvo_Presenter.txt \
  tests/exports/Ruvo_Presenter.imports.txt

# The first monitor's other sizes, each with the work area the presenter takes there when it is
# not the monitor's size. The X server rounds 1366 to 1368, which the presenter takes as 1366x768.
sizes="1366x768=1366x768 1440x900 1440x1050 1600x1200 1680x1050 1920x1200 1920x1080=1680x1050"
# Each suite's exit code travels through a file; a missing or non-zero one fails the step.
win_suite() { cat "$logs/$1.log"; [ "$(cat "$logs/$1.rc" 2>/dev/null)" = 0 ]; }
rm -f "$logs"/wine-*.log "$logs"/wine-*.rc "$logs/wine-step"
mkdir -p "$build/screenshots"
# The limits of the steps in seconds: the whole suite, the screens at one size, the one-monitor
# cases, a restart of the desktop. The boot's own limit covers them all, with room for the boot.
suite_limit=1500 size_limit=600 one_limit=300 restart_limit=120
size_count=$(echo $sizes | wc -w)
export RUVO_VM_TIMEOUT=${RUVO_VM_TIMEOUT:-$((suite_limit + size_count * (restart_limit + size_limit) + restart_limit + one_limit + 600))}
# Everything under Wine shares one boot: first the two-monitor desktop with the whole suite, then
# the same machine's desktop restarted at each other size for the screens, last with one monitor.
# Each step names itself in wine-step as it starts, and its log and screenshots are in the
# project folder as it ends, so that a boot cut short keeps what finished and says where it was.
run_in_machine "$logs/wine-suite.sh" /tmp/bin "$build/win/bin/." >"$logs/wine-run.log" 2>&1 <<SUITE || cat "$logs/wine-run.log"
step() { echo "\$1" >"$logs/wine-step"; }
shots() { cp /tmp/bin/*.png "$build/screenshots/" 2>/dev/null; rm -f /tmp/bin/*.png; }
step "the suite on the two-monitor desktop"
bash "$here/scripts/wine-drives.sh"
timeout $suite_limit wine ruvo_win_tests.exe --gtest_filter=-OneMonitor.* >"$logs/wine-tests.log" 2>&1
echo \$? >"$logs/wine-tests.rc"
shots
for entry in $sizes; do
  size=\${entry%%=*} work=\${entry#*=}
  [ "\$work" != "\$entry" ] || work=\$size
  step "the screens at \$size"
  timeout $restart_limit bash "$here/scripts/restart-desktop.sh" \$size >"$logs/wine-at-\$size.log" 2>&1 &&
    RUVO_WORK_AREA=\$work timeout $size_limit wine ruvo_win_tests.exe --gtest_filter='*AtEverySize.*' \
      >>"$logs/wine-at-\$size.log" 2>&1
  echo \$? >"$logs/wine-at-\$size.rc"
  shots
done
step "the one-monitor cases"
timeout $restart_limit bash "$here/scripts/restart-desktop.sh" one >"$logs/wine-one-monitor.log" 2>&1 &&
  timeout $one_limit wine ruvo_win_tests.exe --gtest_filter=OneMonitor.* >>"$logs/wine-one-monitor.log" 2>&1
echo \$? >"$logs/wine-one-monitor.rc"
shots
rm -f "$logs/wine-step"
exit 0
SUITE
[ ! -f "$logs/wine-step" ] ||
  echo "the test machine's boot was cut during $(cat "$logs/wine-step") (its limit: $RUVO_VM_TIMEOUT s); the steps before it keep their logs and screenshots"
gtest win win_suite wine-tests
for entry in $sizes; do gtest "win-at-${entry%%=*}" win_suite "wine-at-${entry%%=*}"; done
gtest win-one-monitor win_suite wine-one-monitor

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
