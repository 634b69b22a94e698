#!/usr/bin/env bash
# Instructions of one Function_Code plus one Function_Decode through the
# exports, per block type, for its default text and its full text (the
# benchmark's), counted by callgrind: exact, and independent of the
# machine's load. A run of N pairs and one of 2N are counted; their
# difference over N leaves out start-up and set-up. Per byte means per byte
# of text (without its NUL) and record together. PAIRS sets N (1000).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh valgrind bench
pairs=${PAIRS:-1000}
cmake --preset bench >/dev/null
cmake --build --preset bench --target ostrevan_bench >/dev/null
bench=build/bench/bin/ostrevan_bench

# Instructions of a whole run of $1 pairs of type $2 with text $3.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$bench" --fixed-calls="$1" \
    --type="$2" --variant="$3" 2>&1 >/dev/null | sed -nE 's/.*Collected : ([0-9]+).*/\1/p'
}

printf '| %-22s | %-7s | %10s | %5s | %6s | %8s |\n' block text "instr/pair" text record "per byte"
printf '| %-22s | %-7s | %10s | %5s | %6s | %8s |\n' --- --- --- --- --- ---
"$bench" --fixed-calls=0 |
  while IFS=$'\t' read -r type name variant text_bytes record_bytes; do
    once=$(instructions "$pairs" "$type" "$variant" </dev/null)
    twice=$(instructions $((2 * pairs)) "$type" "$variant" </dev/null)
    awk -v name="$name" -v variant="$variant" -v once="$once" -v twice="$twice" \
        -v pairs="$pairs" -v text="$text_bytes" -v record="$record_bytes" 'BEGIN {
      per_pair = (twice - once) / pairs
      printf "| %-22s | %-7s | %10.0f | %5d | %6d | %8.1f |\n", name, variant, per_pair, text,
             record, per_pair / (text + record)
    }'
  done
