#!/usr/bin/env bash
# Builds the native core with its tests, the Windows deliverables with their tests, and the
# fuzz targets. Assumes scripts/setup.sh has run.
. "$(dirname "$0")/lib.sh"
echo "build: native core and tests"
cmake -S . -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native"
echo "build: Windows deliverables and tests (i686 MinGW)"
cmake -S . -B "$build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DRUVO_DEPS="$build/deps/mingw" >/dev/null
cmake --build "$build/win"
if [ "${1:-}" != "--no-fuzz" ]; then
  echo "build: fuzz targets (clang, libFuzzer, AddressSanitizer)"
  CC=clang CXX=clang++ cmake -S . -B "$build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUVO_FUZZ=ON >/dev/null
  cmake --build "$build/fuzz"
fi
