#!/usr/bin/env bash
# The main job: sets up, builds the deliverables, and runs the add-in stand-in under Wine. It writes
# a module per deck from sample slides through Ruvo_Server.dll's exports, reads one back, then
# drives the presenter as the add-in does (selector filled, a module picked in the file browser, a
# speaker's clicks and keys, each command answered, the presenter closed), saying what it did, one line per step. What the
# speaker saw is saved in build/demo/screenshots.
# Then the whole system from the launcher: a deck exported into a module, Ruvo_Presenter.exe
# started on it with PowerPoint's stand-in registered, whose add-in opens the presenter, steps
# through the slides with their notes and build steps, opens the all-slides pages and ends the show; last, what the launcher tidied
# up is checked. Its screenshots (the splash, every screen) are the launch-*.png ones. Last, the
# add-in stand-in again on a 1366x768 laptop-sized first monitor; every demo-* screenshot is named
# by the size of the monitor it shows.
. "$(dirname "$0")/lib.sh"
. scripts/machine-job.sh
bash scripts/setup.sh
bash scripts/build.sh --no-fuzz
demo=$build/demo
rm -rf "$demo" && mkdir -p "$demo/slides" "$demo/work" "$demo/launch" "$demo/laptop" "$demo/screenshots"
# Three decks of title slides, each deck in its own colours.
slide() { # deck number colour-top colour-bottom title subtitle
  convert -size 1280x720 "gradient:$3-$4" -font DejaVu-Sans-Bold -pointsize 76 -fill '#fffbf0' \
    -gravity northwest -annotate +90+220 "$5" -font DejaVu-Sans -pointsize 38 -fill '#e8dccb' \
    -annotate +94+340 "$6" -fill "rgba(255,255,255,0.35)" -draw "rectangle 90,190 330,198" \
    -pointsize 26 -gravity southeast -annotate +60+40 "$2" "$demo/slides/$1-$2.png"
}
slide Quarterly 1 '#1d3557' '#0b1a2e' 'Quarterly review' 'Results for the third quarter'
slide Quarterly 2 '#1d3557' '#0b1a2e' 'Revenue up 12%' 'Two new markets opened'
slide Quarterly 3 '#1d3557' '#0b1a2e' 'Next quarter' 'Hiring, product, partners'
slide Launch 1 '#6a2c70' '#2b1030' 'Product launch' 'Ruvo Presenter for every stage'
slide Launch 2 '#6a2c70' '#2b1030' 'What is new' 'Presenter view, all slides, selector'
slide Launch 3 '#6a2c70' '#2b1030' 'Live demo' 'Two minutes of the presenter on stage'
slide Launch 4 '#6a2c70' '#2b1030' 'Questions' 'Thank you'
slide Offsite 1 '#2d6a4f' '#0f2a1f' 'Team offsite' 'Two days by the lake'
slide Offsite 2 '#2d6a4f' '#0f2a1f' 'Agenda' 'Talks, walks and a long dinner'
# Each program's output goes through a file, as Wine's helpers would hold a pipe open.
bin=$build/win/bin
run_in_machine "$demo/run.sh" /tmp/demo "$bin/Ruvo_Server.dll" "$bin/ruvo_demo.exe" <<RUN
wine ruvo_demo.exe 'Z:$demo/slides' 'Z:$demo/work' 'Z:$demo/screenshots' >/tmp/demo/out.txt 2>&1
rc=\$?
tr -d '\r' </tmp/demo/out.txt
echo
echo "The whole system from the launcher:"
$(copy_in /tmp/launch "$bin/Ruvo_Server.dll" "$bin/Ruvo_Presenter.exe" "$bin/fake_powerpoint.exe" "$bin/launch_demo.exe")
wine launch_demo.exe 'Z:$demo/slides' 'Z:$demo/launch' 'Z:$demo/screenshots' >/tmp/launch/out.txt 2>&1
launch=\$?
tr -d '\r' </tmp/launch/out.txt
echo
echo "The selector and the presenter view on a 1366x768 laptop screen (the X server makes it 1368x768):"
bash "$here/scripts/restart-desktop.sh" 1366x768 >/tmp/desktop.txt 2>&1 || { cat /tmp/desktop.txt; exit 1; }
cd /tmp/demo
RUVO_WORK_AREA=1366x768 wine ruvo_demo.exe 'Z:$demo/slides' 'Z:$demo/laptop' 'Z:$demo/screenshots' \
  >/tmp/demo/laptop.txt 2>&1
laptop=\$?
tr -d '\r' </tmp/demo/laptop.txt
[ \$rc -ne 0 ] && exit \$rc
[ \$launch -ne 0 ] && exit \$launch
exit \$laptop
RUN
