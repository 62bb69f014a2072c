#!/usr/bin/env bash
# Boots the Windows test machine under QEMU, runs one job script in it and prints what it printed.
# Usage: vm-boot.sh [--persist] SHARE JOB
#   SHARE: a host folder the guest mounts at the same path; JOB: a shell script inside it.
#   --persist keeps the guest's changes to its disk (used once, to prepare Wine); otherwise every
#   boot starts from the same prepared disk.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
vm=$build/deps/vm
snapshot=on
if [ "${1:-}" = "--persist" ]; then snapshot=off; shift; fi
share=$(cd "$1" && pwd)
job=$2
rm -f "$job.out" "$job.rc"
# SMAP off: QEMU's emulated IRET from 32-bit code reads the user stack with supervisor rights, which
# SMAP turns into a kernel oops.
limit=${RUVO_VM_TIMEOUT:-1800}
rc=0
timeout "$limit" qemu-system-x86_64 -machine q35 -cpu max,-smap,-pku -smp "$(nproc)" -m 6144 \
  -accel tcg,thread=multi,tb-size=1024 -nographic -no-reboot -serial file:"$job.console" -monitor none \
  -kernel "$vm/vmlinuz" -initrd "$vm/initrd.img" \
  -append "root=/dev/vda rw console=ttyS0 quiet panic=-1 init=/sbin/ruvo-init ruvo.share=$share ruvo.job=$job" \
  -drive file="$vm/root.img",if=virtio,format=raw,snapshot=$snapshot \
  -virtfs local,path="$share",mount_tag=host,security_model=none,id=host \
  -nic none >/dev/null 2>&1 || rc=$?
[ -f "$job.out" ] && cat "$job.out"
if [ ! -f "$job.rc" ]; then
  if [ "$rc" = 124 ]; then
    echo "vm-boot: the test machine was stopped at its time limit of $limit s (RUVO_VM_TIMEOUT); its console:" >&2
  else
    echo "vm-boot: the test machine ended without finishing the job; its console:" >&2
  fi
  tail -n 30 "$job.console" >&2
  exit 1
fi
exit "$(cat "$job.rc")"
