#!/usr/bin/env bash
# The whole test suite: the Release build with its tests, the same under
# AddressSanitizer and UndefinedBehaviorSanitizer, then every further stage
# in scripts/test.d (Windows builds under Wine, fuzzing, ...) in name order.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build

jobs=$(nproc 2>/dev/null || echo 2)
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$jobs}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$jobs}

for preset in default asan; do
  echo "== preset $preset"
  cmake --workflow --preset "$preset"
done

for stage in scripts/test.d/*.sh; do
  [ -e "$stage" ] || continue
  echo "== stage $stage"
  bash "$stage"
done
echo "== all test stages passed"
