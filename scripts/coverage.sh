#!/usr/bin/env bash
# Line and branch coverage of core/ and blocks/ from the whole test suite
# (unit tests, guard-page tests, fuzz corpus replays, CLI checks).
# Prints the summary and the uncovered lines; an HTML report lands in
# build/coverage/html/index.html.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build coverage

cmake --preset coverage >/dev/null
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
ctest --preset coverage >/dev/null

filters=(--root . --filter 'core/' --filter 'blocks/'
         --exclude-throw-branches --exclude-unreachable-branches)
mkdir -p build/coverage/html
gcovr "${filters[@]}" --html-details build/coverage/html/index.html >/dev/null
echo "== lines and branches per file (uncovered line numbers on the right)"
gcovr "${filters[@]}" --txt-metric branch --txt /dev/stdout 2>/dev/null ||
  gcovr "${filters[@]}" --branches
gcovr "${filters[@]}" --print-summary --txt /dev/null
