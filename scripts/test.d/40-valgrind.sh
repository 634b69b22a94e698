#!/usr/bin/env bash
# Memcheck over the Release build: the whole unit suite and the host tool's
# demo build must show no memory errors and leak nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh valgrind

# What it checks is built from the sources as they are (quick when the
# default preset is up to date).
bin=build/default/bin
cmake --preset default >/dev/null
cmake --build --preset default --target ostrevan_tests ostrevan-host

memcheck=(valgrind --quiet --error-exitcode=1 --leak-check=full
          --errors-for-leak-kinds=definite,indirect --track-origins=yes)
work=build/default/valgrind
rm -rf "$work" && mkdir -p "$work"

echo "-- memcheck: ostrevan_tests"
"${memcheck[@]}" "$bin/ostrevan_tests" --gtest_brief=1 >"$work/tests.log" 2>&1 ||
  { tail -60 "$work/tests.log"; exit 1; }
tail -3 "$work/tests.log"

echo "-- memcheck: ostrevan-host build of the demo project"
"${memcheck[@]}" "$bin/ostrevan-host" build examples/demo.project -o "$work/demo" >"$work/demo.log" 2>&1 ||
  { tail -60 "$work/demo.log"; exit 1; }
echo "memcheck clean"
