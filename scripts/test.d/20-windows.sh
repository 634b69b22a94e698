#!/usr/bin/env bash
# The Windows stage: cross-build the plug-in with MinGW-w64 for i686 (the
# product: the host is a 32-bit program) and for x86_64, check the images'
# export and import tables with objdump, and run the tests under Wine in a
# virtual X display. 32-bit programs run only where a 32-bit Wine exists;
# elsewhere the i686 build gets the objdump checks alone.
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS

# The Linux tool whose records the Windows tool must reproduce byte for byte.
native_host=$PWD/build/default/bin/ostrevan-host
if [ ! -x "$native_host" ]; then
  cmake --preset default >/dev/null
  cmake --build --preset default --target ostrevan ostrevan-host
fi

for preset in mingw-x64 mingw-i686; do
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

# Debian's 32-bit Wine brings its own loader beside the 64-bit one.
if [ -x /usr/lib/wine/wine ] || [ -x /usr/lib/i386-linux-gnu/wine/wine ]; then
  i686_tests=()
else
  echo "-- no 32-bit Wine here: the i686 build gets its image checks only"
  i686_tests=(-LE wine)
fi

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  ctest --preset mingw-x64
  ctest --preset mingw-i686 "$@"
' run-tests "${i686_tests[@]}"
echo "-- Windows stage took $((SECONDS - started)) s"
