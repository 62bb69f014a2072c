#!/usr/bin/env bash
# Gives the Windows tests drives of their own in the test machine's Wine prefix: G: a fixed disk,
# H: a removable one whose medium the tests put in and take out by making and removing its folder
# Z:\tmp\ruvo-drives\h, E: a removable one without a medium (its folder never exists). Z: (the
# whole file system) counts as a network drive, so that it never wins the file browser's
# start-drive choice. Run on the test desktop before the tests (the machine's disk is a snapshot,
# nothing outlives the run); it restarts the wineserver so that Wine's mount manager sees them.
set -euo pipefail
prefix=${WINEPREFIX:-$HOME/.wine}
drives=/tmp/ruvo-drives
rm -rf "$drives"
mkdir -p "$drives/g"
for d in e g h; do ln -sfn "$drives/$d" "$prefix/dosdevices/$d:"; done
key='HKLM\Software\Wine\Drives'
for entry in e:=floppy g:=hd h:=floppy z:=network; do
  wine reg add "$key" /v "${entry%%=*}" /d "${entry#*=}" /f >/dev/null
done
wineserver -k || true
wineserver -w
