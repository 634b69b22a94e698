#!/usr/bin/env bash
# Opens the editor sheet of each block type that has one, and the password,
# phone book and message text dialogs, under Xvfb and Wine (64-bit build) and saves a PNG
# of each, at its opening size, into docs/screenshots/ (only those named,
# when names are given: scripts/screenshots.sh sms-input email). Wine's
# virtual desktop draws the window frames. Stops the Wine server of the
# build tree's prefix: do not run it beside the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows pictures

cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 --target ostrevan ostrevan-host ostrevan_dialog_tests

export WINEPREFIX=$PWD/build/mingw-x64/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
mkdir -p docs/screenshots

# Each block type whose editor is implemented, with a text that shows its
# pages: name|type|text[|tab to show]. The SMS and e-mail sheets are shown
# for a CPU model with the e-mail attachment hint.
blocks=(
  "wifi|WIFI|A:1"
  "modbus-serial|Modbus|A:0,1,5,B:9600,8,1,N,C:,D:1,3,10,0,E:178,0,10,1"
  "modbus-network|Modbus|A:11,1,5,B:502,0,1,1,C:192.168.1.10,D:1,3,10,0,E:178,0,10,1"
  "memory-read|Memory Read|A:1,2,0,0,0,1,0,B:;,C:12,161,100,4,D:1,4,E:TANKLOG,F:Level"
  "memory-write|Memory Write|A:1,1,1,2,1,0,1,0,1,B:;,C:5,161,200,8,D:TANKLOG,E:Tank level"
  "gprs-connect|GPRS Connect|A:10,0,0,1,8080,B:10.20.30.40"
  "gprs-data-send|GPRS Data Send|A:0,1,30,B:502,C:plc.example.net,D:3,1,16,0,E:40,161,100,20,20"
  "sms-output-fbd|SMS Output|A:1,0,1,0,8,1,3000,2,0,B:+4915112345678,C:+4915187654321,D:,E:,F:,G:Tank 3 level above limit,H:,"
  "sms-output-ladder|SMS Output|A:1,3,0,100,64,0,0,0,0,B:+4915112345678,C:,D:,E:,F:,G:,H:,"
  "sms-output-dial|SMS Output|A:1,0,1,0,8,1,3000,2,1,B:+4915112345678,C:+4915187654321,D:,E:,F:,G:,H:,|1"
  "sms-input|SMS Input|A:100,64,1,B:+4915112345678,C:+4915187654321,D:,E:,F:"
  "email|EMAIL|A:1,0,0,1,0,8,0,B:Alarm tank 3,C:ops@example.com,D:service@example.com,E:,F:Level above limit at station 4,G:,,H:level.csv,,,,,,,"
  "email-attachment|EMAIL|A:1,0,0,1,0,8,0,B:Alarm tank 3,C:ops@example.com,D:,E:,F:Level above limit,G:,,H:level.csv,events.log,,,,,,|1"
  "mqtt-connect|Connect to MQTT Server|A:60,30,0,8883,1,1,1,0,1,B:plant-4-plc,C:plc,D:secret,E:0.0.0.0,F:C:\\certs\\ca.pem,G:C:\\certs\\plc.crt,H:C:\\certs\\plc.key,I:broker.example.com"
  "mqtt-subscribe|Subscribe with MQTT|A:30,60,30,0,160,100,64,0,0,B:1,1,1,C:,D:,E:,F:plant/4/commands"
  "mqtt-subscribe-params|Subscribe with MQTT|A:30,60,30,0,160,100,64,0,0,B:1,1,1,C:,D:,E:,F:plant/4/commands|1"
  "mqtt-publish|Publish with MQTT|A:10,60,30,0,1,B:1,1,1,C:,D:,E:,F:plant/4/levels,G1:161,0,100,4,0,0,H1:lvl,I1:Tanks,G2:176,0,0,8,5,0,H2:in,I2:Inputs,G3:162,0,20,2,4,0,H3:m3h,I3:Flow|1"
)

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  only=$1
  shift
  # Every picture, or only those named on the command line.
  wanted() { [ -z "$only" ] || [[ " $only " == *" $1 "* ]]; }
  for entry in "$@"; do
    IFS="|" read -r name type text tab <<<"$entry"
    wanted "$name" || continue
    cpu=()
    case $name in sms-* | email* | mqtt-*) cpu=(--cpu OSV-2410-4G) ;; esac
    wine explorer /desktop=shot,900x640 build/mingw-x64/bin/ostrevan-host.exe edit "$type" \
      --text "$text" --tab "${tab:-0}" "${cpu[@]}" >/dev/null 2>&1 &
    pid=$!
    sleep 6  # Wine starts the desktop, then the host opens the sheet
    import -window root -crop 900x640+0+0 +repage "docs/screenshots/$name.png"
    wineserver -k || true
    wait "$pid" 2>/dev/null || true
    echo "saved docs/screenshots/$name.png"
  done
  # The password dialog (no page opens it), the phone book, the message
  # text and the MQTT item dialogs (pages open them from buttons): the
  # dialog test program shows them.
  for entry in password:420x200 phonebook:660x480 message:580x320 wmessage:580x290 \
      mqtt-item:420x270; do
    name=${entry%%:*} size=${entry#*:}
    wanted "$name" || continue
    wine explorer /desktop=shot,$size build/mingw-x64/bin/ostrevan_dialog_tests.exe \
      --show "$name" >/dev/null 2>&1 &
    pid=$!
    sleep 6
    import -window root -crop "$size+0+0" +repage "docs/screenshots/$name.png"
    wineserver -k || true
    wait "$pid" 2>/dev/null || true
    echo "saved docs/screenshots/$name.png"
  done
' shots "$*" "${blocks[@]}"
