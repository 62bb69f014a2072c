#!/usr/bin/env bash
# Checks a binary's export table (undecorated names at exact ordinals, nothing extra) and that it
# imports nothing but system DLLs. Usage: check-exports.sh BINARY EXPECTED_TABLE [EXPECTED_IMPORTS]
# EXPECTED_TABLE holds "ordinal name" lines; EXPECTED_IMPORTS "dll function" lines: exactly what
# the binary may import from DLLs that are not system DLLs.
set -euo pipefail
bin=$1 expected=$2 imports=${3:-}
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
# "dll function" for every function imported from a DLL that is not a system DLL.
foreign=$(awk '
  /DLL Name:/ {dll=$3; listing=0; next}
  /Hint\/Ord Member-Name/ {listing=1; next}
  listing && NF >= 3 && $1 ~ /^[0-9a-f]+$/ {print dll, $3; next}
  listing && NF == 0 {listing=0}' <<<"$dump" | while read -r dll fn; do
    grep -qiE "$system" <<<"$dll" || echo "$dll $fn"
  done | sort)
want_imports=$( [ -n "$imports" ] && grep -v -e '^#' -e '^[[:space:]]*$' "$imports" | sort || true)
if [ "$foreign" != "$want_imports" ]; then
  echo "imports of $bin from DLLs that are not system DLLs differ:"
  diff <(echo "$want_imports") <(echo "$foreign") || true
  status=1
fi
exit $status
