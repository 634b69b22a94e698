#!/usr/bin/env bash
# Instructions per Code and Decode call of every block's entity, counted by
# callgrind over the benchmark's default and full texts: exact and
# independent of the machine's load. CALLS sets the calls per text (2000).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh valgrind bench
calls=${CALLS:-2000}
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
out=build/bench/callgrind.out
valgrind --tool=callgrind --callgrind-out-file="$out" build/bench/bin/ostrevan_bench \
  --fixed-calls="$calls" >/dev/null 2>&1
# Each entity codes and decodes two texts (default and full) `calls` times.
callgrind_annotate --inclusive=yes --threshold=100 "$out" 2>/dev/null |
  sed -nE -e 's/^ *([0-9,]+) .*ostrevan::(C[A-Za-z]+Entity)::(Code|Decode)\(.*/\1 \2 \3/p' \
    -e 's/^ *([0-9,]+) .*CCodecEntity<ostrevan::([A-Za-z]+Codec),[^>]*>::(Code|Decode)\(.*/\1 \2 \3/p' |
  awk -v calls="$calls" '{gsub(",", "", $1); printf "%-26s %-7s %8.0f instructions a call\n",
                          $2, $3, $1 / (2 * calls)}' | sort
echo "top costs (self):"
callgrind_annotate "$out" 2>/dev/null | sed -n '/^Ir/,$p' | sed -n '3,20p'
