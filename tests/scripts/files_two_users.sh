#!/usr/bin/env bash
# Files as two real users, with fs.protected_symlinks=1 as distributions set
# it: user B prepares shared folders with links and folders of its own, user A
# saves templates and writes keyboards with backups. A's files must never be
# written through B's links, backups go only into a folder that is A's alone
# and are A's alone, and A's own links keep working. Needs root (it creates the
# two users and sets the sysctl); skipped otherwise.
set -uo pipefail
: "${VEXA_CLI:?}"
if [ "$(id -u)" -ne 0 ]; then
  echo "files_two_users: skipped (needs root to create two throwaway users)"
  exit 77
fi
for tool in useradd userdel setpriv sysctl; do
  command -v "$tool" >/dev/null || {
    echo "files_two_users: skipped ($tool is missing)"
    exit 77
  }
done

work=$(mktemp -d /tmp/vexa-two-users.XXXXXX)
chmod 0755 "$work"
a="vexa$$a"
b="vexa$$b"
protected_before=$(sysctl -n fs.protected_symlinks)
cleanup() {
  sysctl -qw fs.protected_symlinks="$protected_before"
  userdel "$a" 2>/dev/null
  userdel "$b" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
sysctl -qw fs.protected_symlinks=1 || {
  echo "files_two_users: skipped (fs.protected_symlinks can't be set here)"
  exit 77
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

home_a="$work/home-a"
home_b="$work/home-b"
for u in "$a:$home_a" "$b:$home_b"; do
  useradd --no-create-home --home-dir "${u#*:}" --shell /usr/sbin/nologin --user-group "${u%%:*}" || exit 1
  mkdir -m 0755 "${u#*:}"
  chown "${u%%:*}:${u%%:*}" "${u#*:}"
done
# Both users run a copy of the program, wherever the build tree lies.
mkdir -m 0755 "$work/bin"
cp "$VEXA_CLI" "$work/bin/vexa-cli"
chmod 0755 "$work/bin/vexa-cli"

# as USER CMD...: runs CMD as USER (own groups, umask 022, own home).
as() {
  local user=$1 home=$home_a
  shift
  [ "$user" = "$b" ] && home=$home_b
  # shellcheck disable=SC2016  # expanded by the inner shell
  setpriv --reuid="$user" --regid="$user" --init-groups \
    env HOME="$home" XDG_CONFIG_HOME="$home/.config" VEXA_SIM_NO_WAITS=1 VEXA_NO_REAL_PORTS=1 \
    sh -c 'umask 022; cd "$HOME" && exec "$@"' sh "$@"
}
# cli STATUS ARGS...: vexa-cli as A; stderr in $err.
cli() {
  local want=$1
  shift
  as "$a" "$work/bin/vexa-cli" "$@" >"$work/stdout" 2>"$work/stderr"
  local got=$?
  err=$(cat "$work/stderr")
  [ "$got" = "$want" ] || fail "vexa-cli $* exited $got, expected $want (stderr: $err)"
}
has() { grep -qF -- "$2" <<<"$1" || fail "expected '$2' in: $1"; }
mode_of() { stat -c %a "$1"; }
same() { cmp -s "$1" "$2" || fail "$3"; }

# A's files: the profile that must stay, a template, and two simulated keyboards.
echo 'export PS1=original' >"$home_a/.profile"
cp "$home_a/.profile" "$work/profile.orig"
chown "$a:$a" "$home_a/.profile"
cli 0 template new "$home_a/blank.bin"
as "$a" sh -c '{ printf Hi; tail -c +3 blank.bin; } >t.bin; mkdir kbs; cp blank.bin kbs/kb1.bin; cp blank.bin kbs/kb2.bin'
# Puts the profile back after a failure, so that each case is judged alone.
profile_intact() {
  cmp -s "$home_a/.profile" "$work/profile.orig" && return
  fail "$1: A's .profile was written"
  cp "$work/profile.orig" "$home_a/.profile"
}
keyboards_untouched() {
  for k in 1 2; do same "$home_a/kbs/kb$k.bin" "$home_a/blank.bin" "$1: keyboard kb$k was written"; done
}

# Shared folders: one that anyone may write to (not sticky), B's; one like
# /tmp (sticky, root's); and one only root may write to.
mkdir -m 0777 "$work/open"
chown "$b:$b" "$work/open"
mkdir -m 1777 "$work/sticky"
mkdir -m 0755 "$work/rootonly"

# --- keyboard write --all --backup DIR -------------------------------------------
# B's open folder with a link at the name of A's first keyboard's backup.
as "$b" sh -c "mkdir -m 0777 '$work/open/before' && ln -s '$home_a/.profile' '$work/open/before/kb1.bin'"
cli 1 keyboard write t.bin --all --backup "$work/open/before" --simulate-keyboard kbs
has "$err" "The backup directory: <$work/open/before> is not yours alone"
profile_intact "--backup in B's open folder"
keyboards_untouched "--backup in B's open folder"
# A folder of B's that A may not write to, and A's own folders open to others.
as "$b" mkdir -m 0755 "$home_b/bk"
as "$a" sh -c 'mkdir -m 0777 bk-world && mkdir -m 0770 bk-group'
for dir in "$home_b/bk" "$home_a/bk-world" "$home_a/bk-group"; do
  cli 1 keyboard write t.bin --all --backup "$dir" --simulate-keyboard kbs
  has "$err" "The backup directory: <$dir> is not yours alone"
done
keyboards_untouched "--backup in a folder open to others"
# A folder that VEXA creates is A's alone, and so is every backup in it.
cli 0 keyboard write t.bin --all --backup new/before --simulate-keyboard kbs
[ "$(mode_of "$home_a/new/before")" = 700 ] || fail "a created backup folder is $(mode_of "$home_a/new/before")"
for k in 1 2; do
  f="$home_a/new/before/kb$k.bin"
  same "$f" "$home_a/blank.bin" "the backup of kb$k is not its previous template"
  [ "$(mode_of "$f")" = 600 ] || fail "the backup $f is $(mode_of "$f")"
done
same "$home_a/kbs/kb1.bin" "$home_a/t.bin" "write --all with backups did not write kb1"
# An existing folder of A's, closed to others, takes the backups again.
cli 0 keyboard write blank.bin --all --backup new/before --simulate-keyboard kbs
same "$home_a/new/before/kb2.bin" "$home_a/t.bin" "the second backup of kb2 is not the template written before"

# --- saves through links ---------------------------------------------------------
# B's link in B's open folder, and in the sticky folder: refused with the reason,
# with a save, a text export, a legend sheet and a single keyboard's backup.
as "$b" ln -s "$home_a/.profile" "$work/open/shop.bin"
as "$b" ln -s "$home_a/.profile" "$work/sticky/shop.bin"
for link in "$work/open/shop.bin" "$work/sticky/shop.bin"; do
  cli 1 template new "$link"
  has "$err" "The template file: <$link> can't be written !!"
  has "$err" "It is a link that another user made in a folder that others may write to"
  cli 1 template export blank.bin "$link" --model PX2400
  has "$err" "The text file: <$link> can't be written !!"
  cli 1 keyboard write t.bin --simulate-keyboard kbs/kb1.bin --backup "$link"
  has "$err" "It is a link that another user made"
  as "$b" ln -s "$home_a/.profile" "$link.svg"
  cli 1 template render blank.bin "$link.svg" --model PX2400
  has "$err" "The picture file: <$link.svg> can't be written !!"
  has "$err" "It is a link that another user made"
  profile_intact "a save through B's link $link"
done
keyboards_untouched "a single write whose backup was refused"
# B's link to A's home as a folder on the path.
as "$b" ln -s "$home_a" "$work/open/home"
cli 1 template new "$work/open/home/.profile"
has "$err" "It is a link that another user made"
profile_intact "a save through B's folder link"
# A's own link in A's home that leads on through B's link in the sticky folder:
# the kernel refuses that step (fs.protected_symlinks), VEXA leaves it to it.
as "$a" ln -s "$work/sticky/shop.bin" "$home_a/via.bin"
cli 1 template new via.bin
has "$err" "The template file: <via.bin> can't be written !!"
profile_intact "a save through A's link onward through B's"

# A's own links, in the sticky folder and in A's home, and root's link in a
# folder only root may write to: followed, the file gets the new contents, the
# link stays a link and the file keeps its mode.
as "$a" sh -c 'cp t.bin shop.bin && chmod 0640 shop.bin'
as "$a" ln -s "$home_a/shop.bin" "$work/sticky/mine.bin"
as "$a" ln -s shop.bin "$home_a/here.bin"
ln -s "$home_a/shop.bin" "$work/rootonly/root.bin"
for link in "$work/sticky/mine.bin" "$home_a/here.bin" "$work/rootonly/root.bin"; do
  cp "$home_a/t.bin" "$home_a/shop.bin"
  cli 0 template new "$link"
  same "$home_a/shop.bin" "$home_a/blank.bin" "a save through $link did not reach the file"
  [ -L "$link" ] || fail "a save replaced the link $link"
  [ "$(mode_of "$home_a/shop.bin")" = 640 ] || fail "a save through $link made the file $(mode_of "$home_a/shop.bin")"
done
# A single keyboard's backup of A's own is A's alone.
cli 0 keyboard write t.bin --simulate-keyboard kbs/kb2.bin --backup one.bak
[ "$(mode_of "$home_a/one.bak")" = 600 ] || fail "the backup one.bak is $(mode_of "$home_a/one.bak")"

[ "$failures" = 0 ] || exit 1
echo "files_two_users: all passed"
