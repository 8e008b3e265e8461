#!/usr/bin/env bash
# Kills vexa-cli with SIGKILL at varying moments while it replaces an existing
# template file (template new, template import, keyboard read) or the
# simulated keyboard's memory file (keyboard write), round after round. The
# target must always be the complete previous file or the complete new one:
# never truncated, empty or mixed. Temporaries of killed runs (".name.XXXXXX")
# may stay behind, but must never take the target's place, and a run that is
# not killed leaves none.
# shellcheck source=lib/cli_common.sh
source "$(dirname "$0")/lib/cli_common.sh"
ROUNDS=${VEXA_KILL_ROUNDS:-30}
BUDGET_SECONDS=${VEXA_KILL_SECONDS:-40}

# Two templates: the blank one and one with a string on every key.
"$VEXA_CLI" template new blank.bin || fail "template new"
"$VEXA_CLI" template export blank.bin blank.txt --model PX2400 || fail "template export"
awk 'BEGIN { ORS = "\r\n" } { sub(/\r$/, ""); sub(/,.*/, ",key" NR); print }' blank.txt >full.txt
"$VEXA_CLI" template import full.txt full.bin --model PX2400 || fail "template import"
cmp -s blank.bin full.bin && fail "the two templates should differ"
for f in blank.bin full.bin; do
  [ "$(stat -c %s "$f")" -eq 2048 ] || fail "$f is not 2048 bytes"
done
[ "$failures" -eq 0 ] || exit 1

# Each operation: NAME, the file it replaces, its previous and its new contents,
# and the command.
ops=(new import read write)
target_of() { case $1 in write) echo sim.bin ;; *) echo target.bin ;; esac; }
old_of() { case $1 in new) echo full.bin ;; *) echo blank.bin ;; esac; }
new_of() { case $1 in new) echo blank.bin ;; *) echo full.bin ;; esac; }
command_of() {
  case $1 in
    new) echo template new target.bin ;;
    import) echo template import full.txt target.bin --model PX2400 ;;
    read) echo keyboard read target.bin --simulate-keyboard sim.bin ;;
    write) echo keyboard write full.bin --simulate-keyboard sim.bin ;;
  esac
}
# Puts the operation's target and the simulated keyboard in their starting state.
prepare() {
  rm -f target.bin sim.bin
  cp "$(old_of "$1")" "$(target_of "$1")"
  [ "$1" = read ] && cp full.bin sim.bin
}
now_us() { echo $(($(date +%s%N) / 1000)); }

# Uninterrupted runs: the new contents, no temporaries, and how long a run
# takes, so the kills can be spread over the whole run.
declare -A duration
for op in "${ops[@]}"; do
  prepare "$op"
  start=$(now_us)
  # shellcheck disable=SC2046
  "$VEXA_CLI" $(command_of "$op") >/dev/null 2>&1 || fail "$op: uninterrupted run failed"
  duration[$op]=$(($(now_us) - start))
  cmp -s "$(target_of "$op")" "$(new_of "$op")" || fail "$op: uninterrupted run wrote other contents"
  leftovers=$(find . -name '.*.bin.*')
  [ -z "$leftovers" ] || fail "$op: an uninterrupted run left temporaries: $leftovers"
done
[ "$failures" -eq 0 ] || exit 1

declare -A kept replaced temporaries
deadline=$(($(date +%s) + BUDGET_SECONDS))
rounds=0
for ((round = 0; round < ROUNDS && $(date +%s) < deadline; ++round)); do
  rounds=$((rounds + 1))
  for op in "${ops[@]}"; do
    find . -name '.*.bin.*' -delete
    prepare "$op"
    target=$(target_of "$op")
    # From the start of the run to a little past its usual end.
    delay_us=$((duration[$op] * 3 * round / (2 * ROUNDS)))
    # shellcheck disable=SC2046
    "$VEXA_CLI" $(command_of "$op") >/dev/null 2>&1 &
    pid=$!
    sleep "$(printf '0.%06d' "$delay_us")"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null

    if [ ! -f "$target" ]; then
      fail "$op round $round: $target is gone"
    elif cmp -s "$target" "$(old_of "$op")"; then
      kept[$op]=$((${kept[$op]:-0} + 1))
    elif cmp -s "$target" "$(new_of "$op")"; then
      replaced[$op]=$((${replaced[$op]:-0} + 1))
    else
      fail "$op round $round (killed after ${delay_us} us): $target is $(stat -c %s "$target") bytes," \
        "neither the previous nor the new template"
    fi
    # Leftover temporaries are the only other files, and a completed save never leaves one.
    others=$(find . -maxdepth 1 -type f ! -name blank.bin ! -name blank.txt ! -name full.bin \
      ! -name full.txt ! -name target.bin ! -name sim.bin ! -name ".$target.??????")
    [ -z "$others" ] || fail "$op round $round: unexpected files: $others"
    [ -n "$(find . -name ".$target.??????")" ] && temporaries[$op]=$((${temporaries[$op]:-0} + 1))
  done
done

for op in "${ops[@]}"; do
  echo "$op: previous file kept ${kept[$op]:-0} times, new file complete ${replaced[$op]:-0} times," \
    "temporary left ${temporaries[$op]:-0} times"
done
[ "$rounds" -ge 5 ] || fail "only $rounds rounds ran within ${BUDGET_SECONDS}s"
[ "$failures" -eq 0 ] || {
  echo "$failures failure(s)"
  exit 1
}
echo "kill during save: $rounds rounds, target always complete"
