#!/usr/bin/env bash
# Benchmark (not a test): reading a 300-slide module's header and decoding one 1920x1080 slide
# through LoadSlidePictureByKey, next to libpng alone decoding the same PNG from memory. Runs the
# native build and the Windows build (under Wine), each in one run; under Wine also the presenter
# (window, thumbnails, level changes, private memory after each).
. "$(dirname "$0")/lib.sh"
. scripts/machine-job.sh
bash scripts/setup.sh >/dev/null
bash scripts/build.sh --no-fuzz >/dev/null
work=$build/bench
mkdir -p "$work"
# A slide as PowerPoint exports one: a gradient, text and a photo-like patch.
convert -size 1920x1080 "gradient:#f4f6f9-#d9e1ec" \
  \( -size 800x500 plasma:fractal -blur 0x2 \) -geometry +1000+420 -composite \
  -font DejaVu-Sans -pointsize 96 -fill '#1d2633' -annotate +120+220 'Quarterly review' \
  -pointsize 48 -annotate +120+420 '• Revenue up 12%' -annotate +120+520 '• Two new markets' \
  "$work/slide.png"
cmake --build "$build/native-bench" >/dev/null 2>&1 || {
  cmake -S . -B "$build/native-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRUVO_SANITIZE=OFF >/dev/null
  cmake --build "$build/native-bench" >/dev/null
}
echo "native (Linux, g++ -O2):"
"$build/native-bench/bench_module_read" "$work/slide.png" "$work"
echo "Windows build under Wine:"
bin=$build/win/bin
run_in_machine "$work/run.sh" /tmp/bench "$bin/bench_module_read.exe" "$bin/bench_presenter.exe" "$bin/Ruvo_Server.dll" \
  "$work/slide.png" <<RUN
wine bench_module_read.exe slide.png . >out.txt 2>&1
rc=\$?
echo "the presenter under Wine:" >>out.txt
wine bench_presenter.exe slide.png . >>out.txt 2>&1 || rc=\$?
tr -d '\r' <out.txt
exit \$rc
RUN
