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
# Run from a local copy in the test machine (code mapped from the shared folder can read back as
# zeros); its output goes through a file, as Wine's helpers would hold a pipe open.
cat >"$demo/run.sh" <<RUN
rm -rf /tmp/demo && mkdir /tmp/demo && cd /tmp/demo
cp "$build/win/bin/Ruvo_Server.dll" "$build/win/bin/ruvo_demo.exe" .
wine ruvo_demo.exe 'Z:$demo/slides' 'Z:$demo/Demo.ruvo' >/tmp/demo/out.txt 2>&1
rc=\$?
tr -d '\r' </tmp/demo/out.txt
exit \$rc
RUN
bash scripts/wine-run.sh bash "$demo/run.sh"
