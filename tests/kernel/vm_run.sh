#!/usr/bin/env bash
# Runs a script as root on Debian's own kernel, booted in QEMU under software
# emulation (TCG), so the programs meet a real kernel's hidraw nodes, uhid
# and serio bus instead of this machine's.
#
#   bash tests/kernel/vm_run.sh WORK SCRIPT [NAME=VALUE...]
#
# WORK is a writable folder of this machine; the guest sees it at the same
# path, writable. The rest of this machine's root file system is shared
# read-only over 9p and the script runs in a chroot of it (bash, with the
# NAME=VALUE pairs exported and WORK as its current folder), so the guest runs
# this build's own binaries. The guest has its own /proc, /sys, /dev
# (devtmpfs), /tmp and /run: nothing of this machine's devices is reachable.
# The script's output lands in WORK/guest.log and is printed at the end; the
# exit status is the script's.
#
# The kernel package is fetched once (apt-get download, dpkg -x) into
# $VEXA_KERNEL_CACHE (default ~/.cache/vexa/kernel) and taken from there
# afterwards. VEXA_VM_TIMEOUT (seconds, default 540) bounds the whole run.
set -euo pipefail

die() {
  echo "vm_run: $*" >&2
  exit 2
}

[ $# -ge 2 ] || die "usage: vm_run.sh WORK SCRIPT [NAME=VALUE...]"
work=$(realpath "$1")
script=$(realpath "$2")
shift 2
[ -d "$work" ] || die "no folder $work"
[ -f "$script" ] || die "no script $script"

QEMU=${VEXA_QEMU:-qemu-system-x86_64}
command -v "$QEMU" >/dev/null ||
  die "QEMU can't be had: $QEMU is not installed (the package qemu-system-x86; scripts/setup.sh installs it)"
BUSYBOX=/bin/busybox
{ [ -x "$BUSYBOX" ] && file -L "$BUSYBOX" | grep -q 'statically linked'; } ||
  die "no static busybox at $BUSYBOX (the package busybox-static; scripts/setup.sh installs it)"

# --- the kernel, from the cache or fetched into it ---------------------------
cache=${VEXA_KERNEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vexa/kernel}
kernel_root=$cache/root
find_vmlinuz() { ls "$kernel_root"/boot/vmlinuz-* 2>/dev/null | head -n 1; }
if [ -z "$(find_vmlinuz)" ]; then
  mkdir -p "$cache"
  # The metapackage only depends on the real one: linux-image-6.x.y-amd64.
  pkg=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-/ { print $2; exit }') || true
  [ -n "$pkg" ] ||
    die "the kernel package can't be had: apt-cache knows no linux-image-amd64 (apt-get update first?)"
  echo "vm_run: fetching $pkg into $cache"
  fetch=$(mktemp -d "$cache/fetch.XXXXXX")
  (cd "$fetch" && apt-get download -q "$pkg" >/dev/null 2>&1) || {
    rm -rf "$fetch"
    die "the kernel package $pkg can't be had: apt-get download failed"
  }
  dpkg -x "$fetch"/*.deb "$fetch/root" || {
    rm -rf "$fetch"
    die "the kernel package $pkg can't be unpacked (dpkg -x)"
  }
  rm -rf "$kernel_root"
  mv "$fetch/root" "$kernel_root"
  rm -rf "$fetch"
fi
vmlinuz=$(find_vmlinuz)
[ -n "$vmlinuz" ] || die "no kernel in $kernel_root/boot"
version=${vmlinuz##*/vmlinuz-}
moddir=$kernel_root/lib/modules/$version

# --- the initramfs: busybox, the modules and /init ---------------------------
initrd_dir=$(mktemp -d)
trap 'rm -rf "$initrd_dir"' EXIT
mkdir -p "$initrd_dir"/{bin,dev,proc,sys,newroot,modules}
cp "$BUSYBOX" "$initrd_dir/bin/busybox"

# The modules the tests need, each after the ones it depends on (read from
# the module's own "depends=" entry, since the package has no modules.dep).
declare -A module_path=() loaded=()
while IFS= read -r ko; do
  name=$(basename "$ko" .ko)
  module_path[${name//-/_}]=$ko
done < <(find "$moddir/kernel" -name '*.ko')
order=()
add_module() {
  local name=${1//-/_} path dep
  [ -n "${loaded[$name]:-}" ] && return 0
  path=${module_path[$name]:-}
  [ -n "$path" ] || die "the kernel $version has no module $1"
  loaded[$name]=1
  for dep in $(tr '\0' '\n' <"$path" | sed -n 's/^depends=//p' | tr ',' ' '); do add_module "$dep"; done
  cp "$path" "$initrd_dir/modules/"
  order+=("$(basename "$path")")
}
for m in virtio_pci 9pnet_virtio 9p hid hid_generic uhid serio_raw; do add_module "$m"; done
printf '%s\n' "${order[@]}" >"$initrd_dir/modules/order"

# What the guest runs: the script with its variables, in $work.
{
  for pair in "$@"; do
    printf 'export %q\n' "$pair"
  done
  printf 'export VEXA_VM_WORK=%q\n' "$work"
} >"$work/env.sh"
printf '%s\n' "$work" >"$initrd_dir/work-folder"
printf '%s\n' "$script" >"$initrd_dir/script-path"
rm -f "$work/status" "$work/guest.log"

cat >"$initrd_dir/init" <<'EOF'
#!/bin/busybox sh
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
for m in $(cat /modules/order); do insmod "/modules/$m" || echo "vm: insmod $m failed"; done
work=$(cat /work-folder)
script=$(cat /script-path)
r=/newroot
mount -t 9p -o trans=virtio,version=9p2000.L,ro,msize=512000,cache=loose hostroot $r || echo "vm: no host root"
mount -t proc proc $r/proc
mount -t sysfs sys $r/sys
mount -t devtmpfs dev $r/dev
mkdir -p $r/dev/pts $r/dev/shm
ln -s /proc/self/fd $r/dev/fd
mount -t devpts devpts $r/dev/pts
mount -t tmpfs tmpfs $r/dev/shm
mount -t tmpfs tmpfs $r/tmp
mount -t tmpfs tmpfs $r/run
mkdir -p $r$work
mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000,cache=mmap vexawork $r$work || echo "vm: no work folder"
chroot $r /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin HOME=/tmp/home TERM=dumb \
  /bin/bash -c ". $work/env.sh && mkdir -p /tmp/home && cd $work && exec /bin/bash $script" \
  >$r$work/guest.log 2>&1 </dev/null
echo $? >$r$work/status
sync
umount $r$work
poweroff -f
EOF
chmod +x "$initrd_dir/init"
(cd "$initrd_dir" && find . | "$BUSYBOX" cpio -o -H newc 2>/dev/null | gzip -1) >"$work/initrd.gz"

# --- the boot ------------------------------------------------------------------
rm -f "$work/console.log"
started=$(date +%s)
set +e
timeout --kill-after=10 "${VEXA_VM_TIMEOUT:-540}" "$QEMU" \
  -machine pc,accel=tcg -cpu max -smp 2 -m 1536 \
  -display none -monitor none -nic none -no-reboot \
  -serial "file:$work/console.log" \
  -kernel "$vmlinuz" -initrd "$work/initrd.gz" \
  -append "console=ttyS0 quiet loglevel=3 panic=-1 rdinit=/init" \
  -virtfs "local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap" \
  -virtfs "local,path=$work,mount_tag=vexawork,security_model=none,multidevs=remap"
qemu_status=$?
set -e
echo "vm_run: the VM ran $(($(date +%s) - started)) s (QEMU exit status $qemu_status)"
[ -f "$work/guest.log" ] && cat "$work/guest.log"
if [ ! -s "$work/status" ]; then
  echo "vm_run: the guest did not finish its script; the end of its console:" >&2
  tail -n 40 "$work/console.log" >&2 || true
  exit 1
fi
exit "$(cat "$work/status")"
