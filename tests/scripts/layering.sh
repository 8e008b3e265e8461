#!/usr/bin/env bash
# The layers hold: scripts/check-layers.sh passes on the source tree, and it
# does catch an upward include (the document reaching the commands, a port
# reaching the keyboard emulator), a Qt header in the core and an unlisted
# source (checked on a copy of src/ with one of each put in).
set -uo pipefail
: "${VEXA_SOURCE_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

bash "$VEXA_SOURCE_DIR/scripts/check-layers.sh" "$VEXA_SOURCE_DIR" || fail "the source tree breaks the layers"

cp -r "$VEXA_SOURCE_DIR/src" "$work/src"
echo '#include "commands/UserInterface.h"' >>"$work/src/document/KeyContent.cpp"
echo '#include <QString>' >>"$work/src/view/ViewState.h"
echo '#include "support/ScriptedUserInterface.h"' >>"$work/src/commands/ModelCommands.cpp"
touch "$work/src/device/Forgotten.cpp"
# The ports must not reach the keyboard emulator that stands in for them.
echo '#include "emulator/KeyboardEmulator.h"' >>"$work/src/device/CUSBport.cpp"
out=$(bash "$VEXA_SOURCE_DIR/scripts/check-layers.sh" "$work" 2>&1) && fail "the broken copy passed the check"
for expected in 'src/document/KeyContent.cpp:.*the document layer includes "commands/UserInterface.h"' \
  'src/view/ViewState.h:.*Qt header in the Qt-free view layer' \
  'src/commands/ModelCommands.cpp:.*includes "support/ScriptedUserInterface.h" of the tests layer' \
  'src/device/CUSBport.cpp:.*the device layer includes "emulator/KeyboardEmulator.h" of the emulator layer' \
  'src/device/Forgotten.cpp: not listed'; do
  grep -q -- "$expected" <<<"$out" || fail "no report matching: $expected"
done

[ "$failures" -eq 0 ] || exit 1
echo "layering: ok"
