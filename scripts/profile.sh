#!/usr/bin/env bash
# Instructions per Function_Code and Function_Decode call of every block
# type, counted by callgrind: exact and independent of the machine's load.
# CALLS sets the calls per workload (20000).
set -euo pipefail
cd "$(dirname "$0")/.."
calls=${CALLS:-20000}
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
out=build/bench/callgrind.out
valgrind --tool=callgrind --callgrind-out-file="$out" build/bench/bin/ostrevan_bench \
  --fixed-calls="$calls" >/dev/null 2>&1
callgrind_annotate --inclusive=yes "$out" 2>/dev/null |
  awk -v calls="$calls" 'match($0, /Function_(Code|Decode) /) {
    name = substr($0, RSTART, RLENGTH - 1); gsub(",", "", $1);
    printf "%-16s %8.0f instructions a call\n", name, $1 / calls}' | sort -u
echo "top costs (self):"
callgrind_annotate "$out" 2>/dev/null | sed -n '/^Ir/,$p' | sed -n '3,17p'
