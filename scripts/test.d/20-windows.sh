#!/usr/bin/env bash
# The Windows stage: cross-build the plug-in with MinGW-w64 for i686 (the
# product: the host is a 32-bit program) and for x86_64, check the images'
# export and import tables with objdump, and run the tests under Wine in a
# virtual X display, the product first.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh windows
started=$SECONDS

# The Linux tool whose records the Windows tool must reproduce byte for byte,
# built from the same sources.
native_host=$PWD/build/default/bin/ostrevan-host
cmake --preset default >/dev/null
cmake --build --preset default --target ostrevan ostrevan-host

for preset in mingw-i686 mingw-x64; do
  echo "-- building $preset"
  cmake --preset "$preset" -DOSTREVAN_NATIVE_HOST="$native_host" >/dev/null
  cmake --build --preset "$preset"
done

# Each build tree has its own Wine prefix (the tests set WINEPREFIX); stop
# the servers the tests left running, also when a test fails.
stop_wine() {
  for prefix in build/mingw-x64/wineprefix build/mingw-i686/wineprefix; do
    [ -d "$prefix" ] && WINEPREFIX=$PWD/$prefix wineserver -k 2>/dev/null || true
  done
}
trap stop_wine EXIT

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  ctest --preset mingw-i686
  ctest --preset mingw-x64
'
echo "-- Windows stage took $((SECONDS - started)) s"
