#!/usr/bin/env bash
# The kernel test (ctest label "kernel"): boots Debian's kernel once in QEMU
# (tests/kernel/vm_run.sh) and runs tests/kernel/kernel_cases.sh there as
# root, on this build's own binaries. Fails when QEMU, busybox or the kernel
# package can't be had, saying which. VEXA_KERNEL_CASES=REGEX runs only the
# cases whose names match.
set -uo pipefail
: "${VEXA_CLI:?}" "${VEXA_UHID_KEYBOARD:?}" "${VEXA_SERIO_HELPER:?}" "${VEXA_SOURCE_DIR:?}" "${VEXA_BUILD_DIR:?}"
work="$VEXA_BUILD_DIR/kernel-test"
rm -rf "$work"
mkdir -p "$work"
bash "$VEXA_SOURCE_DIR/tests/kernel/vm_run.sh" "$work" "$VEXA_SOURCE_DIR/tests/kernel/kernel_cases.sh" \
  "VEXA_CLI=$VEXA_CLI" "VEXA_BIN=${VEXA_BIN:-}" "VEXA_UHID_KEYBOARD=$VEXA_UHID_KEYBOARD" \
  "VEXA_SERIO_HELPER=$VEXA_SERIO_HELPER" "VEXA_SOURCE_DIR=$VEXA_SOURCE_DIR" "VEXA_BUILD_DIR=$VEXA_BUILD_DIR" \
  "VEXA_KERNEL_CASES=${VEXA_KERNEL_CASES:-}"
