#!/usr/bin/env bash
# Where `cmake --install` puts the PS/2 helper, its polkit actions and the
# keyboard's udev rule, and where the programs look for the helper:
#   - a tree configured for another prefix runs the helper from that prefix
#     and names it there in the polkit actions;
#   - installed into the prefix it was built for (/usr), the actions and the
#     rule land where polkit and udev read them, and nothing is to be copied;
#   - installed under another prefix, the install says plainly what must be
#     copied where, and that the programs look for the helper elsewhere.
set -uo pipefail
: "${VEXA_SOURCE_DIR:?}" "${VEXA_BUILD_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A sanitizer tree builds only the tests' programs: nothing to install.
if grep -q '^VEXA_SANITIZE:BOOL=ON' "$VEXA_BUILD_DIR/CMakeCache.txt"; then
  echo "install_paths: a sanitizer build is not installed; skipped"
  exit 0
fi

# A tree for /opt/vexa, configured only (nothing is built).
cmake -S "$VEXA_SOURCE_DIR" -B "$work/opt" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/opt/vexa \
  -DVEXA_GUI=OFF -DVEXA_TESTS=OFF -DVEXA_BENCH=OFF >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
grep -F 'LinuxPs2System.cpp.o' "$work/opt/compile_commands.json" | grep -qF -- 'VEXA_SERIO_HELPER_PATH=\\\"/opt/vexa/libexec/vexa/vexa-serio-helper\\\"' ||
  fail "a tree for /opt/vexa does not run the helper from /opt/vexa/libexec/vexa"
[ "$(grep -c '<annotate key="org.freedesktop.policykit.exec.path">/opt/vexa/libexec/vexa/vexa-serio-helper</annotate>' \
  "$work/opt/org.vexaeditor.vexa.serio.policy")" -eq 2 ] || fail "the polkit actions of /opt/vexa do not name its helper"

# The build tree of the tests, installed into a staging root: as built, and
# under another prefix.
built_prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$VEXA_BUILD_DIR/CMakeCache.txt")
DESTDIR="$work/stage" cmake --install "$VEXA_BUILD_DIR" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
if [ "$built_prefix" = /usr ]; then
  for file in usr/libexec/vexa/vexa-serio-helper usr/share/polkit-1/actions/org.vexaeditor.vexa.serio.policy \
    usr/lib/udev/rules.d/70-vexa-keyboard.rules usr/share/doc/vexa/examples/70-vexa-keyboard-group.rules; do
    [ -e "$work/stage/$file" ] || fail "the install into /usr lacks /$file"
  done
  grep -q 'WARNING' "$work/install.log" && fail "the install into /usr warns: $(cat "$work/install.log")"
else
  echo "install_paths: the build tree is configured for $built_prefix, not /usr; its own install is not checked"
fi
DESTDIR="$work/other" cmake --install "$VEXA_BUILD_DIR" --prefix /opt/other >"$work/other.log" 2>&1 ||
  { cat "$work/other.log"; exit 1; }
log=$(tr -s ' \n' ' ' <"$work/other.log")
for text in "VEXA was built for the prefix $built_prefix" \
  "polkit reads its actions from /usr/share/polkit-1/actions only: copy /opt/other/share/polkit-1/actions/org.vexaeditor.vexa.serio.policy there" \
  "copy /opt/other/lib/udev/rules.d/70-vexa-keyboard.rules to /etc/udev/rules.d/"; do
  grep -qF -- "$text" <<<"$log" || fail "the install under /opt/other does not say: $text"
done

[ "$failures" -eq 0 ] && echo "install_paths: all passed"
exit $((failures > 0))
