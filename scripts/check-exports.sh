#!/usr/bin/env bash
# Checks a binary's export table (undecorated names at exact ordinals, nothing extra) and that it
# imports nothing but system DLLs. Usage: check-exports.sh BINARY EXPECTED_TABLE
# EXPECTED_TABLE holds "ordinal name" lines.
set -euo pipefail
bin=$1 expected=$2
dump=$(i686-w64-mingw32-objdump -p "$bin")
# Pair each ordinal with its name through the name table's index into the address table.
base=$(awk '/^Ordinal Base/{print $3; exit}' <<<"$dump")
actual=$(awk -v base="${base:-1}" '
  /^\[Ordinal\/Name Pointer\] Table/ {names=1; next}
  names && /^[ \t]*\[ *[0-9]+\] [A-Za-z_]/ { gsub(/[][]/, " "); print $1 + base, $2 }
  names && /^$/ {names=0}' <<<"$dump" | sort -n)
want=$(grep -v -e '^#' -e '^[[:space:]]*$' "$expected" | sort -n || true)
status=0
if [ "$actual" != "$want" ]; then
  echo "export table of $bin differs:"
  diff <(echo "$want") <(echo "$actual") || true
  status=1
fi
system='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|comctl32|msimg32|msvcrt|shlwapi|version|winmm)\.dll$'
while read -r dll; do
  if ! grep -qiE "$system" <<<"$dll"; then
    [ "$dll" = "Ruvo_Server.dll" ] && [ "$(basename "$bin")" = "Ruvo_Presenter.exe" ] && continue
    echo "$bin imports $dll, which is not a system DLL"
    status=1
  fi
done < <(awk '/DLL Name:/{print $3}' <<<"$dump")
exit $status
