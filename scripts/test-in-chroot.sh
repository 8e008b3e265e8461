#!/usr/bin/env bash
# Runs the README's test command as a newcomer would on a fresh system of
# another release: a new chroot made by debootstrap from this system's own
# package sources, a clean clone of this repository's HEAD inside, then
#   bash scripts/test.sh          (sets up, builds, runs every test)
#   bash scripts/run.sh           (sets up, builds, starts the editor: under Xvfb,
#                                  until the editor's first window is up)
# as root in the chroot. Everything mounted into the chroot is unmounted on
# every way out, and the chroot is removed unless --keep is given.
#
#   sudo bash scripts/test-in-chroot.sh RELEASE [--keep]     e.g. trixie
#
# Environment: VEXA_CHROOT_DIR (default /var/tmp/vexa-chroot-RELEASE),
# VEXA_CHROOT_MIRROR (default: the first archive of this system's apt sources),
# VEXA_CHROOT_CACHE (downloaded packages kept between runs, default
# /var/cache/vexa/debootstrap). About 25 minutes on two cores; not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

usage() { echo "usage: bash scripts/test-in-chroot.sh RELEASE [--keep]" >&2; exit 2; }
[ $# -ge 1 ] || usage
release=$1
keep=""
[ "${2:-}" = "--keep" ] && keep=1
[[ "$release" =~ ^[a-z]+$ ]] || usage

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=VEXA_CHROOT_DIR,VEXA_CHROOT_MIRROR,VEXA_CHROOT_CACHE bash "$0" "$@"
fi
say() { echo "test-in-chroot: $*"; }
die() { say "$*" >&2; exit 1; }

command -v debootstrap >/dev/null || {
  say "installing debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
}
[ -e "/usr/share/debootstrap/scripts/$release" ] ||
  die "this system's debootstrap does not know the release '$release'"

# The first archive of this system's apt sources (one-line and deb822 form),
# leaving out the security archive.
system_mirror() {
  {
    sed -n 's/^deb \(\[[^]]*\] \)\{0,1\}\([a-z]*:\/\/[^ ]*\) .*/\2/p' /etc/apt/sources.list 2>/dev/null || true
    cat /etc/apt/sources.list.d/*.list 2>/dev/null | sed -n 's/^deb \(\[[^]]*\] \)\{0,1\}\([a-z]*:\/\/[^ ]*\) .*/\2/p'
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | sed -n 's/^URIs: *\([^ ]*\).*/\1/p'
  } | grep -v -E 'security' | head -n 1
}
mirror=${VEXA_CHROOT_MIRROR:-$(system_mirror)}
[ -n "$mirror" ] || die "no package archive found in this system's apt sources (set VEXA_CHROOT_MIRROR)"

target=${VEXA_CHROOT_DIR:-/var/tmp/vexa-chroot-$release}
cache=${VEXA_CHROOT_CACHE:-/var/cache/vexa/debootstrap}/$release
log_dir=$ROOT/build/chroot-$release
mkdir -p "$cache" "$log_dir"
log=$log_dir/test-in-chroot.log
: >"$log"

# Mounts, innermost last; cleanup takes them down in reverse order.
mounted=()
cleanup() {
  local status=$? i
  set +e
  # Programs the run left behind (an editor, Xvfb) keep mounts busy.
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$target" ] && kill -9 "$pid" 2>/dev/null
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null ||
      say "could not unmount ${mounted[i]}" >&2
  done
  if grep -q " $target/" /proc/mounts; then
    say "still mounted below $target: the chroot is kept" >&2
  elif [ -z "$keep" ] && [ -d "$target" ]; then
    rm -rf --one-file-system "$target"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# mnt DIR-IN-CHROOT MOUNT-ARGUMENTS...: mounts onto the chroot's DIR and records it.
mnt() {
  local dir=$target$1
  shift
  mkdir -p "$dir"
  mount "$@" "$dir" || die "could not mount $dir"
  mounted+=("$dir")
  # Where / is a shared mount, a bind of /dev is a peer of the system's /dev:
  # without this, what is mounted below it inside the chroot would show there too.
  mount --make-rslave "$dir" || die "could not make $dir a slave mount"
}

if grep -q " $target" /proc/mounts; then die "$target is still in use by another run"; fi
rm -rf --one-file-system "$target"
mkdir -p "$target"
say "debootstrap $release from $mirror into $target (log: $log)"
debootstrap --variant=minbase --cache-dir="$cache" --include=ca-certificates,git \
  "$release" "$target" "$mirror" >>"$log" 2>&1 || { tail -n 20 "$log" >&2; die "debootstrap failed"; }

mnt /proc -t proc proc
mnt /sys -t sysfs sysfs
mnt /dev --bind /dev
mnt /dev/pts --bind /dev/pts
mnt /run -t tmpfs tmpfs
cp -L /etc/resolv.conf "$target/etc/resolv.conf" 2>/dev/null || true
# No services start inside the chroot when packages are installed.
printf '#!/bin/sh\nexit 101\n' >"$target/usr/sbin/policy-rc.d"
chmod +x "$target/usr/sbin/policy-rc.d"

say "cloning $(git rev-parse --short HEAD) into the chroot"
git clone -q --no-hardlinks "$ROOT" "$target/root/vexa"

in_chroot() {
  chroot "$target" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

say "bash scripts/test.sh in the chroot"
started=$(date +%s)
if ! in_chroot bash -c 'cd /root/vexa && bash scripts/test.sh' >>"$log" 2>&1; then
  tail -n 40 "$log" >&2
  die "$release: scripts/test.sh failed after $(($(date +%s) - started)) s (whole log: $log)"
fi
say "$release: scripts/test.sh passed in $(($(date +%s) - started)) s: $(grep -E 'tests passed|tests failed' "$log" | head -n 2 | tr '\n' ' ')"

# run.sh under Xvfb: up when the editor's first window (the port dialog) shows.
say "bash scripts/run.sh in the chroot, under Xvfb"
cat >"$target/root/run-editor.sh" <<'EOF'
set -eu
cd /root/vexa
bash scripts/run.sh --simulate-keyboard /root/keyboard.bin >/root/run.log 2>&1 &
for _ in $(seq 600); do
  if xdotool search --onlyvisible --name '^Select Communication Port$' >/dev/null 2>&1; then
    sleep 1
    import -window root /root/run-editor.png
    echo "the editor's window is up"
    exit 0
  fi
  sleep 0.5
done
cat /root/run.log
exit 1
EOF
if ! in_chroot xvfb-run -a -s '-screen 0 1024x768x24' bash /root/run-editor.sh >>"$log" 2>&1; then
  tail -n 20 "$log" >&2
  die "$release: scripts/run.sh did not reach the editor's window"
fi
cp "$target/root/run-editor.png" "$log_dir/" 2>/dev/null || true
say "$release: scripts/run.sh reached the editor's window (screenshot: $log_dir/run-editor.png)"
