#!/usr/bin/env bash
# scripts/setup.sh on each supported release, with apt and dpkg replaced by
# stand-ins that know which packages the release has: what it installs, what
# it names as missing (with the release), and that a missing required package
# stops it before apt installs anything. Then scripts/check-format.sh with only
# another clang-format version at hand: the check is skipped, --fix refuses.
set -uo pipefail
: "${VEXA_SOURCE_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

stubs=$work/bin
mkdir -p "$stubs"
# Nothing is installed yet.
printf '#!/bin/sh\nexit 1\n' >"$stubs/dpkg-query"
# apt-cache policy PKG: a candidate unless PKG is in $STUB_LACKS.
cat >"$stubs/apt-cache" <<'STUB'
#!/bin/sh
pkg=$2
for lacking in $STUB_LACKS; do
  if [ "$lacking" = "$pkg" ]; then printf '%s:\n  Installed: (none)\n  Candidate: (none)\n' "$pkg"; exit 0; fi
done
printf '%s:\n  Installed: (none)\n  Candidate: 1.0-1\n' "$pkg"
STUB
# apt-get: records what it was asked.
printf '#!/bin/sh\necho "$@" >>"$STUB_LOG"\n' >"$stubs/apt-get"
printf '#!/bin/sh\nexec "$@"\n' >"$stubs/sudo"
chmod +x "$stubs"/*

os_release() { # ID VERSION_ID CODENAME PRETTY
  printf 'ID=%s\nVERSION_ID="%s"\nVERSION_CODENAME=%s\nPRETTY_NAME="%s"\n' "$1" "$2" "$3" "$4" >"$work/os-release"
}

# release | packages it lacks | expected status | expected in the install line | expected message
while IFS='|' read -r id version codename pretty lacks status installs message; do
  os_release "$id" "$version" "$codename" "$pretty"
  : >"$work/apt.log"
  out=$(PATH="$stubs:$PATH" STUB_LACKS="$lacks" STUB_LOG="$work/apt.log" VEXA_OS_RELEASE="$work/os-release" \
    bash "$VEXA_SOURCE_DIR/scripts/setup.sh" 2>&1)
  got=$?
  [ "$got" -eq "$status" ] || fail "$codename: status $got, expected $status: $out"
  install_line=$(grep '^install ' "$work/apt.log")
  for p in $installs; do
    case "$p" in
      !*) grep -qw -- "${p#!}" <<<"$install_line" && fail "$codename: ${p#!} was installed" ;;
      *) grep -qw -- "$p" <<<"$install_line" || fail "$codename: $p was not installed: $install_line" ;;
    esac
  done
  if [ -n "$message" ]; then grep -qF -- "$message" <<<"$out" || fail "$codename: no message '$message' in: $out"; fi
done <<'TABLE'
debian|12|bookworm|Debian GNU/Linux 12 (bookworm)||0|libclang-rt-dev clang-format-14 qt6-wayland weston !libclang-rt-14-dev|
debian|13|trixie|Debian GNU/Linux 13 (trixie)|clang-format-14 libclang-rt-14-dev|0|libclang-rt-dev qt6-wayland !clang-format-14|clang-format-14 is not available on Debian GNU/Linux 13 (trixie): the format check will be skipped
ubuntu|24.04|noble|Ubuntu 24.04.1 LTS||0|libclang-rt-dev clang-format-14 libhidapi-dev|
ubuntu|26.04|resolute|Ubuntu 26.04 LTS|clang-format-14|0|libclang-rt-dev !clang-format-14|clang-format-14 is not available on Ubuntu 26.04 LTS (resolute)
debian|14|forky|Debian GNU/Linux 14 (forky)|weston clang-format-14|1|!weston|weston is not available on Debian GNU/Linux 14 (forky); VEXA needs it
TABLE
# A required package missing: apt installs nothing at all.
[ -z "$(grep '^install ' "$work/apt.log")" ] || fail "forky: apt installed packages although weston is missing"

# Only clang-format 19 at hand: the check is skipped and says why; --fix refuses.
printf '#!/bin/sh\necho "Debian clang-format version 19.1.7"\n' >"$stubs/clang-format"
printf '#!/bin/sh\nexit 127\n' >"$stubs/clang-format-14"
chmod +x "$stubs/clang-format" "$stubs/clang-format-14"
out=$(PATH="$stubs:$PATH" bash "$VEXA_SOURCE_DIR/scripts/check-format.sh" 2>&1) ||
  fail "check-format failed with clang-format 19 only: $out"
grep -q 'skipped: .clang-format is written for clang-format 14 and clang-format 19 is installed' <<<"$out" ||
  fail "check-format did not say why it skipped: $out"
out=$(PATH="$stubs:$PATH" bash "$VEXA_SOURCE_DIR/scripts/format.sh" 2>&1) && fail "format.sh formatted with clang-format 19"
grep -q 'nothing was formatted' <<<"$out" || fail "format.sh did not say why it refused: $out"

[ "$failures" -eq 0 ] || exit 1
echo "setup_releases: ok"
