#!/usr/bin/env bash
# Opens the editor sheet of each block type that has one, and the password,
# phone book and message text dialogs, under Xvfb and Wine (64-bit build) and saves a PNG
# of each, at its opening size, into docs/screenshots/. Wine's virtual desktop draws the window frames. Stops
# the Wine server of the build tree's prefix: do not run it beside the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
command -v import >/dev/null || need+=(imagemagick)
command -v xvfb-run >/dev/null || need+=(xvfb xauth)
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}"
fi

cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 --target ostrevan ostrevan-host ostrevan_dialog_tests

export WINEPREFIX=$PWD/build/mingw-x64/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
mkdir -p docs/screenshots

# Each block type whose editor is implemented, with a text that shows its pages.
blocks=(
  "wifi|WIFI|A:1"
  "modbus-serial|Modbus|A:0,1,5,B:9600,8,1,N,C:,D:1,3,10,0,E:178,0,10,1"
  "modbus-network|Modbus|A:11,1,5,B:502,0,1,1,C:192.168.1.10,D:1,3,10,0,E:178,0,10,1"
)

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  for entry in "$@"; do
    IFS="|" read -r name type text <<<"$entry"
    wine explorer /desktop=shot,900x640 build/mingw-x64/bin/ostrevan-host.exe edit "$type" \
      --text "$text" >/dev/null 2>&1 &
    pid=$!
    sleep 6  # Wine starts the desktop, then the host opens the sheet
    import -window root -crop 900x640+0+0 +repage "docs/screenshots/$name.png"
    wineserver -k || true
    wait "$pid" 2>/dev/null || true
    echo "saved docs/screenshots/$name.png"
  done
  # The dialogs no page opens yet: the dialog test program shows them.
  for entry in password:420x200 phonebook:660x480 message:580x320 wmessage:580x290; do
    name=${entry%%:*} size=${entry#*:}
    wine explorer /desktop=shot,$size build/mingw-x64/bin/ostrevan_dialog_tests.exe \
      --show "$name" >/dev/null 2>&1 &
    pid=$!
    sleep 6
    import -window root -crop "$size+0+0" +repage "docs/screenshots/$name.png"
    wineserver -k || true
    wait "$pid" 2>/dev/null || true
    echo "saved docs/screenshots/$name.png"
  done
' shots "${blocks[@]}"
