#!/usr/bin/env bash
# Builds Wine from Debian's source package as a 64-bit Wine that runs 32-bit Windows programs
# in WoW64 mode, into $1. Debian's wine32 needs the kernel's 32-bit emulation, which the machines
# here have switched off; this build needs none. Debian's repacked source leaves out generated
# files, which are made here the way Debian's own build makes them.
set -euo pipefail
prefix=$1
work=$(dirname "$prefix")/wine-build
version=8.0~repack-4
say() { echo "setup: $*"; }
mkdir -p "$work"
cd "$work"
src=$work/wine-8.0~repack
if [ ! -d "$src" ]; then
  say "fetching Debian's wine source ($version)"
  apt-get source -q --download-only "wine=$version" >/dev/null 2>&1
  dpkg-source -x --no-check "wine_$version.dsc" >/dev/null
fi
if [ ! -f "$src/configure" ]; then
  say "generating the files Debian's repack leaves out"
  (
    cd "$src"
    ./debian/scripts/generate server/trace.generated make_requests
    ./debian/scripts/generate server/request.generated make_requests
    ./tools/make_unicode >/dev/null
    ./tools/make_requests >/dev/null
    (cd dlls/dsound && ./make_fir >/dev/null)
    (cd dlls/opengl32 && ./make_opengl >/dev/null)
    (cd dlls/winevulkan && ./make_vulkan -x /usr/share/vulkan/registry/vk.xml >/dev/null)
    grep -E '^\s+ln -sf \.\./\.\./' debian/rules | sed 's/^\s*//' | sh
    rm -rf libs/zlib
    autoreconf -f -i >/dev/null 2>&1
  )
fi
mkdir -p "$work/obj"
cd "$work/obj"
if [ ! -f Makefile ]; then
  say "configuring Wine (WoW64: i386 and x86_64)"
  "$src/configure" --prefix="$prefix" --enable-archs=i386,x86_64 --disable-tests \
    --without-gstreamer --without-pulse --without-alsa --without-oss --without-cups --without-sane \
    --without-gphoto --without-v4l2 --without-usb --without-pcap --without-krb5 --without-gssapi \
    --without-netapi --without-opencl --without-opengl --without-osmesa --without-vulkan --without-sdl \
    --without-udev --without-dbus --without-capi --without-gnutls --without-inotify >"$work/configure.log" 2>&1
fi
say "building Wine (this takes a while once; the result is cached)"
make dlls/ntdll/unix/version.h >/dev/null  # generated first: parallel jobs race for it otherwise
make -j"$(nproc)" >"$work/make.log" 2>&1 || { tail -n 30 "$work/make.log"; exit 1; }
make install >"$work/install.log" 2>&1
rm -rf "$work/obj"
say "Wine installed in $prefix"
