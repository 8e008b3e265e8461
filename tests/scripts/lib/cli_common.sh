# Sourced by the vexa-cli scripts: a scratch directory that is the working
# directory and the home (the user's own settings stay out of the test), the
# simulated keyboard's fast mode, never the real ports, and the failure counter.
set -uo pipefail
: "${VEXA_CLI:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
export VEXA_SIM_NO_WAITS=1 VEXA_NO_REAL_PORTS=1
mkdir -p "$HOME"
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
