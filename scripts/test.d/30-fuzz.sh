#!/usr/bin/env bash
# Fuzzes every target for a while under AddressSanitizer and
# UndefinedBehaviorSanitizer; any finding fails the stage and leaves its
# input in build/fuzz/findings/ (copy it to fuzz/regressions/<target>/).
# FUZZ_SECONDS sets the time per target (60 by default).
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${FUZZ_SECONDS:-60}

scripts/install-deps.sh fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

bin=build/fuzz/bin
findings=build/fuzz/findings
rm -rf build/fuzz/work "$findings"
mkdir -p "$findings"

# The defaults of every block that is built seed the block targets, so a
# block is fuzzed from its own text as soon as it lands.
host=build/default/bin/ostrevan-host
extra_codec=build/fuzz/work/seeds_codec
mkdir -p "$extra_codec"
if [ -x "$host" ]; then
  for type in $(seq 1 12); do
    text=$("$host" default "$type" 2>/dev/null) || continue
    [ -n "$text" ] || continue
    { printf "\\x$(printf %02x "$type")"; printf '%s' "$text"; } > "$extra_codec/default_$type"
  done
fi

status=0
for target in block_codec block_decode config grammar project; do
  work=build/fuzz/work/$target
  mkdir -p "$work"
  seeds=(fuzz/corpus/$target)
  [ -d fuzz/regressions/$target ] && seeds+=(fuzz/regressions/$target)
  [ "$target" = block_codec ] && seeds+=("$extra_codec")
  echo "-- fuzzing $target for ${seconds}s"
  if ! UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
      "$bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -dict=fuzz/dict/$target.dict -artifact_prefix="$findings/$target-" \
      -print_final_stats=1 "$work" "${seeds[@]}" >"$work.log" 2>&1; then
    echo "!! $target found a fault:"
    grep -E 'ERROR|invariant broken|runtime error|SUMMARY' "$work.log" | head -20 || tail -40 "$work.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units' "$work.log" || true
  fi
done

if [ "$status" -ne 0 ]; then
  echo "findings kept in $findings:"; ls "$findings"
fi
exit "$status"
