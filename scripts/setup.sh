#!/usr/bin/env bash
# Brings a fresh Debian 12 machine to the state the build and the tests need: apt packages, then
# what Debian has no package for: libpng and libjpeg-turbo built for MinGW from Debian's source
# packages, and the Windows test machine (a Debian system with wine32, booted under QEMU).
# Built parts are kept in a machine-wide cache that build/deps links to, so a second run, or a
# fresh clone on the same machine, costs nothing. Safe to run again.
. "$(dirname "$0")/lib.sh"
cache=${RUVO_CACHE:-/var/cache/ruvo-presenter}
say() { echo "setup: $*"; }
SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo

packages=(
  # native build and tests
  g++ cmake make ninja-build pkg-config googletest libgtest-dev libpng-dev libjpeg-dev zlib1g-dev
  clang libclang-rt-14-dev dpkg-dev
  # Windows build
  g++-mingw-w64-i686 binutils-mingw-w64-i686 libz-mingw-w64-dev
  # the Windows test machine
  qemu-system-x86 debootstrap e2fsprogs
  # artwork, sample slides and screenshots
  imagemagick fonts-dejavu-core
)

# A mirror caught mid-sync fails an index now and then: try again, then go on with what came.
apt_update() {
  for try in 1 2 3; do
    $SUDO apt-get update -q >/dev/null && return 0
    sleep 20
  done
  return 0
}

# Source packages come from the archive this machine's apt already uses; apt tells which source
# that is once its lists are fetched.
. "$here/scripts/debian-mirror.sh"
src_list=/etc/apt/sources.list.d/ruvo-deb-src.sources
if [ ! -f "$src_list" ]; then
  find_debian_archive 2>/dev/null || { apt_update; find_debian_archive; } ||
    { echo "setup: stopped before Debian's source packages can be fetched" >&2; exit 1; }
  say "adding deb-src entries for Debian's source packages from $debian_mirror"
  {
    printf 'Types: deb-src\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\n' "$debian_mirror"
    printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
    [ -z "$debian_security" ] || printf '\nTypes: deb-src\nURIs: %s\nSuites: bookworm-security\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$debian_security"
  } | $SUDO tee "$src_list" >/dev/null
  rm -f "$build/.apt-updated"
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# grep reads all of it: an early exit would fail apt-cache with SIGPIPE, and the pipe with it.
if [ ${#missing[@]} -gt 0 ] || ! apt-cache showsrc libpng1.6 2>/dev/null | grep '^Package:' >/dev/null; then
  say "installing packages: ${missing[*]:-(source lists only)}"
  apt_update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${packages[@]}" >/dev/null
else
  say "apt packages already installed"
fi

# build/deps is the machine-wide cache, so fresh clones reuse what was built once.
mkdir -p "$build"
if [ ! -e "$build/deps" ]; then
  if $SUDO mkdir -p "$cache" 2>/dev/null && $SUDO chown "$(id -u):$(id -g)" "$cache" 2>/dev/null; then
    ln -s "$cache" "$build/deps"
  else
    mkdir -p "$build/deps"
  fi
fi
deps=$build/deps
prefix=$deps/mingw
toolchain=$here/cmake/mingw-i686.cmake

fetch_source() { # $1 = source package; prints the unpacked folder
  local pkg=$1 dir v
  dir=$(find "$deps/src" -maxdepth 1 -type d -name "${pkg}-*" | head -n1)
  if [ -z "$dir" ]; then
    (cd "$deps/src" && {
      apt-get source -q --download-only "$pkg" >/dev/null 2>&1 || {
        # The security archive may list a binary update without its source: take main's.
        v=$(apt-cache showsrc "$pkg" | awk '/^Version:/{print $2}' | sort -V | head -n1)
        apt-get source -q --download-only "$pkg=$v" >/dev/null
      }
      dpkg-source -x --no-check "$(ls ./"${pkg}"_*.dsc | head -n1)" >/dev/null
    })
    dir=$(find "$deps/src" -maxdepth 1 -type d -name "${pkg}-*" | head -n1)
  fi
  echo "$dir"
}

if [ ! -f "$prefix/lib/libpng16.a" ] || [ ! -f "$prefix/lib/libjpeg.a" ]; then
  mkdir -p "$deps/src"
  say "fetching Debian sources of libpng1.6 and libjpeg-turbo"
  png_src=$(fetch_source libpng1.6)
  jpg_src=$(fetch_source libjpeg-turbo)
  say "cross-building libpng for MinGW from $png_src"
  cmake -S "$png_src" -B "$deps/build-png" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_LIBRARY=/usr/i686-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/i686-w64-mingw32/include \
    >"$deps/png-configure.log"
  cmake --build "$deps/build-png" -j"$(nproc)" >"$deps/png-build.log"
  cmake --install "$deps/build-png" >/dev/null
  say "cross-building libjpeg-turbo for MinGW from $jpg_src"
  cmake -S "$jpg_src" -B "$deps/build-jpeg" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
    >"$deps/jpeg-configure.log"
  cmake --build "$deps/build-jpeg" -j"$(nproc)" >"$deps/jpeg-build.log"
  cmake --install "$deps/build-jpeg" >/dev/null
  rm -rf "$deps/build-png" "$deps/build-jpeg"
else
  say "MinGW libpng and libjpeg already built"
fi

# The image is made again whenever the recipe for it changes.
recipe=$(cat "$here/scripts/build-vm.sh" "$here/scripts/debian-mirror.sh" "$here/scripts/two-monitors.conf" |
  sha256sum | cut -d' ' -f1)
if [ "$(cat "$deps/vm/.image-ready" 2>/dev/null)" != "$recipe" ]; then
  $SUDO rm -f "$deps/vm/.image-ready"
  # debootstrap and chroot need root; the machine's files are the user's, so that the tests can
  # boot it without root. The guest's own system folder stays root's.
  # sudo clears the environment: the build folder and the boot's time limit are handed on.
  $SUDO env BUILD_DIR="$build" ${RUVO_VM_TIMEOUT:+RUVO_VM_TIMEOUT="$RUVO_VM_TIMEOUT"} \
    bash "$here/scripts/build-vm.sh" "$deps/vm"
  [ -z "$SUDO" ] || find "$deps/vm" -maxdepth 1 ! -name root -exec $SUDO chown "$(id -u):$(id -g)" {} +
  echo "$recipe" >"$deps/vm/.image-ready"
else
  say "Windows test machine already built"
fi
say "done"
