#!/usr/bin/env bash
# Builds the Windows test machine into $1: a Debian 12 amd64 system with Debian's wine32 and a
# headless two-monitor X desktop, which QEMU boots under software emulation. The machines here run
# a kernel that cannot execute 32-bit x86 code (no 32-bit code segment), so no Wine on the host can
# run a 32-bit program; the guest's own kernel can.
set -euo pipefail
vm=$1
root=$vm/root
say() { echo "setup: $*"; }
[ "$(id -u)" = 0 ] || { echo "build-vm: makes a system with debootstrap and chroot, which needs root" >&2; exit 1; }
# The guest installs from the archive, and through the proxy, that this machine's apt uses.
. "$(dirname "$0")/debian-mirror.sh"
find_debian_archive || exit 1
mirror=$debian_mirror
[ -z "$debian_proxy" ] || export http_proxy=${http_proxy:-$debian_proxy}
mkdir -p "$vm"
if [ ! -x "$root/usr/bin/Xvfb" ]; then
  say "bootstrapping the test machine's Debian system (once)"
  rm -rf "$root"
  debootstrap --variant=minbase --include=linux-image-amd64,xvfb,procps,kmod,udev bookworm "$root" "$mirror" \
    >"$vm/debootstrap.log" 2>&1 || { tail -n 20 "$vm/debootstrap.log"; exit 1; }
fi
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
if [ ! -x "$root/usr/lib/wine/wine" ]; then
  say "installing wine32 in the test machine"
  {
    echo "deb $mirror bookworm main"
    echo "deb $mirror bookworm-updates main"
    [ -z "$debian_security" ] || echo "deb $debian_security bookworm-security main"
  } >"$root/etc/apt/sources.list"
  [ -z "$debian_proxy" ] || echo "Acquire::http::Proxy \"$debian_proxy\";" >"$root/etc/apt/apt.conf.d/99proxy"
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  mount -t proc proc "$root/proc"
  trap 'umount "$root/proc" 2>/dev/null || true' EXIT
  in_root dpkg --add-architecture i386
  # A mirror caught mid-sync fails an index now and then: try again, then go on with what came.
  for try in 1 2 3; do
    in_root apt-get update -q >"$vm/apt.log" 2>&1 && break
    sleep 20
  done
  # Post-install scripts of i386 packages cannot run in this chroot; they have nothing Wine needs.
  in_root apt-get install -y -q --no-install-recommends wine wine32 libxinerama1:i386 x11-apps \
    >>"$vm/apt.log" 2>&1 || in_root dpkg --configure -a >>"$vm/apt.log" 2>&1 || true
  umount "$root/proc"
  trap - EXIT
  [ -x "$root/usr/lib/wine/wine" ] || { tail -n 20 "$vm/apt.log"; exit 1; }
fi
# Xvfb stacks all its screens at one origin; Xorg's dummy driver places them side by side as a
# speaker's two monitors are.
dummy=$root/usr/lib/xorg/modules/drivers/dummy_drv.so
if [ ! -f "$dummy" ]; then
  say "installing the headless X server in the test machine"
  mount -t proc proc "$root/proc"
  trap 'umount "$root/proc" 2>/dev/null || true' EXIT
  in_root apt-get install -y -q --no-install-recommends xserver-xorg-core xserver-xorg-video-dummy \
    >>"$vm/apt.log" 2>&1 || true
  umount "$root/proc"
  trap - EXIT
  [ -f "$dummy" ] || { tail -n 20 "$vm/apt.log"; exit 1; }
fi
# Fonts with Arial's widths, so that texts sized for Arial fit as they do on Windows.
if [ ! -d "$root/usr/share/fonts/truetype/liberation" ]; then
  say "installing the Liberation fonts in the test machine"
  mount -t proc proc "$root/proc"
  trap 'umount "$root/proc" 2>/dev/null || true' EXIT
  in_root apt-get install -y -q --no-install-recommends fonts-liberation >>"$vm/apt.log" 2>&1 || true
  umount "$root/proc"
  trap - EXIT
  [ -d "$root/usr/share/fonts/truetype/liberation" ] || { tail -n 20 "$vm/apt.log"; exit 1; }
fi
cp "$(dirname "$0")/two-monitors.conf" "$root/etc/X11/two-monitors.conf"
cat >"$root/usr/local/bin/ruvo-desktop" <<'DESKTOP'
#!/bin/sh
# Starts display :1, two monitors side by side: 1280x1024 (primary) and 1024x768 right of it.
Xorg :1 -config two-monitors.conf -noreset -nolisten tcp -logfile /tmp/xorg.log >/tmp/xorg.out 2>&1 &
for i in $(seq 150); do [ -e /tmp/.X11-unix/X1 ] && exit 0; sleep 0.2; done
echo "ruvo-desktop: the X server did not start" >&2
tail -n 20 /tmp/xorg.log >&2
exit 1
DESKTOP
chmod +x "$root/usr/local/bin/ruvo-desktop"
# Root on a virtio disk, the project shared over 9p.
printf 'virtio_pci\nvirtio_blk\next4\n' >"$root/etc/initramfs-tools/modules"
cat >"$root/sbin/ruvo-init" <<'INIT'
#!/bin/sh
# Runs the job named on the kernel command line, then powers off.
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp
mount -t tmpfs tmpfs /run
modprobe 9pnet_virtio
modprobe 9p
for arg in $(cat /proc/cmdline); do
  case $arg in ruvo.share=*) share=${arg#ruvo.share=};; ruvo.job=*) job=${arg#ruvo.job=};; esac
done
mkdir -p "$share"
mount -t 9p -o trans=virtio,version=9p2000.L,msize=1048576,cache=mmap host "$share"
export HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8
sh "$job" >"$job.out" 2>&1
echo $? >"$job.rc"
sync
echo o >/proc/sysrq-trigger
sleep 10
INIT
chmod +x "$root/sbin/ruvo-init"
say "making the test machine's boot files and disk image"
in_root update-initramfs -u -k all >"$vm/initramfs.log" 2>&1
cp "$(ls "$root"/boot/vmlinuz-* | tail -n1)" "$vm/vmlinuz"
cp "$(ls "$root"/boot/initrd.img-* | tail -n1)" "$vm/initrd.img"
rm -f "$vm/root.img"
mkfs.ext4 -q -F -d "$root" -L ruvo "$vm/root.img" 6G

say "preparing Wine's prefix inside the test machine (one emulated boot)"
cat >"$vm/prepare.sh" <<'PREP'
#!/bin/sh
export DISPLAY=:1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe="
/usr/local/bin/ruvo-desktop || exit 1
wine wineboot -i
wineserver -w
# Wine reports both monitors through Xinerama only while XRandR is off. No window manager runs,
# so Wine draws captions and frames itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f
# Without a window manager, a managed window that goes away costs Wine a two-second wait.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
# The screens ask for Arial: Liberation Sans has its widths.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f
# A crashing program prints its backtrace and ends, instead of waiting on a dialog nobody sees.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
wineserver -w
[ -f /root/.wine/system.reg ]
PREP
bash "$(dirname "$0")/vm-boot.sh" --persist "$vm" "$vm/prepare.sh" >"$vm/prepare.log" 2>&1 || {
  tail -n 20 "$vm/prepare.log"; exit 1; }
