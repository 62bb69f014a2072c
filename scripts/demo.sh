#!/usr/bin/env bash
# The main job: sets up, builds the deliverables, and runs the add-in stand-in under Wine. It writes
# a module from a few sample slides through Ruvo_Server.dll's exports, reads it back and extracts
# a slide, saying what it did.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
cd "$here"
bash scripts/setup.sh
bash scripts/build.sh --no-fuzz
demo=$build/demo
rm -rf "$demo" && mkdir -p "$demo/slides"
for i in 1 2 3; do
  convert -size 960x540 "gradient:#1d2633-#3a4a5f" -font DejaVu-Sans -pointsize 64 -fill '#e8edf3' \
    -gravity center -annotate +0+0 "Sample slide $i" "$demo/slides/slide$i.png"
done
cp "$build/win/bin/Ruvo_Server.dll" "$build/win/bin/ruvo_demo.exe" "$demo/"
cat >"$demo/run.sh" <<RUN
cd "$demo"
wine ruvo_demo.exe 'Z:$demo/slides' 'Z:$demo/Demo.ruvo' | tr -d '\r'
RUN
bash scripts/wine-run.sh bash "$demo/run.sh"
