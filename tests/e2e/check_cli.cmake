# The host tool's exit statuses and messages, run on the real binary.
# EMULATOR (Wine for the Windows build) runs the tool when it is set; the
# Windows console ends its lines with CR LF. PLUGIN is the plug-in built
# beside the tool, README the project's README, DEMO_RECORDS the demo's
# expected records.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(plugin_dir ${PLUGIN} DIRECTORY)
get_filename_component(plugin_name ${PLUGIN} NAME)

# host(STATUS n [IN dir] [OUT regex...] [ERR regex...] ARGS args...) runs the
# tool in `dir` (default WORK) and checks its status and that stdout and
# stderr match every regex (write '.' for ';' and for an unpaired '[' or ']':
# both would cut or join the list of regexes).
function(host)
  cmake_parse_arguments(PARSE_ARGV 0 run "" "STATUS;IN" "OUT;ERR;ARGS")
  if(NOT run_IN)
    set(run_IN ${WORK})
  endif()
  execute_process(COMMAND ${EMULATOR} ${HOST} ${run_ARGS} WORKING_DIRECTORY ${run_IN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
  set(problems "")
  if(NOT status EQUAL run_STATUS)
    string(APPEND problems "  status ${status}, wanted ${run_STATUS}\n")
  endif()
  foreach(stream OUT ERR)
    if(stream STREQUAL "OUT")
      set(text "${out}")
    else()
      set(text "${err}")
    endif()
    foreach(pattern IN LISTS run_${stream})
      if(NOT "${text}" MATCHES "${pattern}")
        string(APPEND problems "  std${stream} does not match /${pattern}/\n")
      endif()
    endforeach()
  endforeach()
  if(problems)
    message(SEND_ERROR "ostrevan-host ${run_ARGS}:\n${problems}stdout:\n${out}stderr:\n${err}")
  endif()
endfunction()

# expect(status regex args...): the regex against stdout and stderr together.
function(expect status_wanted pattern)
  execute_process(COMMAND ${EMULATOR} ${HOST} ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
  if(NOT status EQUAL status_wanted OR NOT "${out}${err}" MATCHES "${pattern}")
    message(SEND_ERROR "ostrevan-host ${ARGN}: status ${status}, wanted ${status_wanted} "
                       "and /${pattern}/\n${out}${err}")
  endif()
endfunction()

# Usage and the plain commands.
expect(2 "usage: ostrevan-host")
expect(0 "commands:" --help)
expect(2 "unknown command" frobnicate)
expect(0 "ostrevan-host build PROJECT" build --help)
expect(2 "is not a block type" default Nothing)
expect(0 "^A:0\n$" default WIFI)
expect(0 "^A:1\n$" decode 11 "0000760000000701000100070000000000000000")
expect(2 "neither a file nor hex" decode WIFI "00 0")
expect(0 "WiFi mode +1" explain WIFI "00 00 76 00 00 00 07 01 00 01")
expect(0 "11 +WIFI +5 +20" types)
expect(2 "cannot read the project file" build ${WORK}/missing.project)
file(WRITE ${WORK}/bad.project "[cpu]\nmodel = OSV-2410\n[limits]\ntotal = 4\n[block]\ntype = Gizmo\n")
expect(2 "bad.project:6: \"Gizmo\" is not a block type" build ${WORK}/bad.project)
if(NOT WINDOWS)
  expect(1 "editing needs the Windows build" edit WIFI)
endif()

# A refused block says why on its row and on stderr, with its line and what
# to change: in the project's [limits] or in the limits file it names.
set(refused_blocks "[block]\ntype = WIFI\n[block]\ntype = WIFI\n[block]\ntype = Modbus\n[block]\ntype = WIFI\n")
file(WRITE ${WORK}/refused.project "[cpu]\n[limits]\ntotal = 3\nWIFI = 1\n${refused_blocks}")
host(STATUS 1
     OUT "\n0 +WIFI +1 +20 +00 00 76 "
         "\n1 +WIFI +0 +0 +refused: the limit of 1 WIFI block is reached\n"
         "\n2 +Modbus +0 +0 +refused: the limits allow no Modbus block\n"
         "\n3 +WIFI +0 +0 +refused: the program total of 3 blocks is reached\n"
         "4 block\\(s\\), 3 failed"
     ERR "block 1 \\(WIFI, refused.project:7\\): the limit of 1 WIFI block is reached. raise WIFI in \\[limits\\]"
         "block 2 \\(Modbus, refused.project:9\\): the limits allow no Modbus block. add Modbus = N to \\[limits\\]"
         "block 3 \\(WIFI, refused.project:11\\): the program total of 3 blocks is reached. raise total in \\[limits\\]"
     ARGS build refused.project)
file(WRITE ${WORK}/sub/limits.ini "[DEFAULT]\nTotal=3\nTypeCount=1\n[Type_1]\nName=wifi\nMax=1\n")
file(WRITE ${WORK}/sub/refused.project "[cpu]\n[limits]\nfile = limits.ini\n${refused_blocks}")
host(STATUS 1
     OUT "limits: total 3. WIFI 1\n"
         "\n1 +WIFI +0 +0 +refused: the limit of 1 WIFI block is reached\n"
     ERR "block 1 \\(WIFI, sub/refused.project:6\\): the limit of 1 WIFI block is reached. raise the Max of WIFI in limits.ini"
         "block 2 \\(Modbus, sub/refused.project:8\\): the limits allow no Modbus block. give Modbus a Max in limits.ini"
         "block 3 \\(WIFI, sub/refused.project:10\\): the program total of 3 blocks is reached. raise Total in \\[DEFAULT\\] of limits.ini"
     ARGS build sub/refused.project -o sub/refused)

# The README's project example builds as printed.
file(READ ${README} readme)
string(REGEX MATCH "A project is an INI-style text:\n\n((    [^\n]*\n|\n)+)" found "${readme}")
if(NOT found)
  message(FATAL_ERROR "the project example is missing from ${README}")
endif()
string(REGEX REPLACE "(^|\n)    " "\\1" example "${CMAKE_MATCH_1}")
file(WRITE ${WORK}/readme.project "${example}")
host(STATUS 0 OUT "cpu: OSV-2410-4G. limits: total 64. WIFI 2\n" "\n0 +WIFI +1 +20 +00 00 76 00 00 00 00 01 00 01 "
     ERR "^$" ARGS build readme.project -o readme)

# Every mistake in what the user gave exits with 2; 1 stays for refused blocks.
file(WRITE ${WORK}/ok.project "[cpu]\n[limits]\ntotal = 1\nWIFI = 1\n[block]\ntype = WIFI\n")
file(WRITE ${WORK}/no-limits.project "[cpu]\n[limits]\nfile = missing.ini\n")
file(MAKE_DIRECTORY ${WORK}/limits-folder.ini)
file(WRITE ${WORK}/folder-limits.project "[cpu]\n[limits]\nfile = limits-folder.ini\n")
host(STATUS 2 ERR "the limits file .*missing.ini does not exist" ARGS build no-limits.project)
host(STATUS 2 ERR "the limits file .*limits-folder.ini is not a file" ARGS build folder-limits.project)
host(STATUS 2 ERR "cannot write no-folder/x.hex" ARGS build ok.project -o no-folder/x)
host(STATUS 2 ERR "-o needs a file name prefix" ARGS build ok.project -o out/)
host(STATUS 2 ERR "is a directory, not a project file" ARGS build ${WORK})
host(STATUS 2 ERR "cannot load .*ok.project as a plug-in" ARGS --plugin ok.project types)
host(STATUS 2 ERR "cannot load .*ok.project as a plug-in" ARGS types --plugin ok.project)
host(STATUS 2 ERR "no plug-in at " ARGS --plugin ${plugin_name} types)
host(STATUS 2 ERR "--plugin is given twice" ARGS --plugin ${PLUGIN} types --plugin ${PLUGIN})
host(STATUS 0 IN ${plugin_dir} OUT "\n11 +WIFI +5 +20" ARGS types --plugin ${plugin_name})
host(STATUS 0 OUT "^A:0\n$" ARGS default WIFI --plugin ${PLUGIN})
execute_process(COMMAND ${EMULATOR} ${HOST} build ok.project -o "" WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "-o needs a file name prefix")
  message(SEND_ERROR "build -o \"\": status ${status}\n${err}")
endif()

# Project files: a byte-order mark and any line end are read; UTF-16 and
# binary files are refused with one message; unprintable bytes are escaped.
string(ASCII 239 187 191 utf8_bom)
string(ASCII 255 254 utf16_bom)
string(ASCII 27 escape)
file(WRITE ${WORK}/bom.project "${utf8_bom}[cpu]\r\nmodel = A\r\n[limits]\r\ntotal = 1\r\nWIFI = 1\r\n[block]\r\ntype = WIFI\r\n")
file(WRITE ${WORK}/cr.project "[cpu]\rmodel = B\r[limits]\rtotal = 1\rWIFI = 1\r[block]\rtype = WIFI\r")
file(WRITE ${WORK}/utf16.project "${utf16_bom}[cpu]\n")
file(WRITE ${WORK}/escape.project "[cpu]\nmo${escape}[2Jdel = A\n")
host(STATUS 0 OUT "cpu: A. limits" "\n0 +WIFI +1 +20 " ARGS build bom.project)
host(STATUS 0 OUT "cpu: B. limits" "\n0 +WIFI +1 +20 " ARGS build cr.project)
host(STATUS 2 ERR "utf16.project:1: the file is UTF-16 text" ARGS build utf16.project)
host(STATUS 2 ERR "refused.bin:1: a NUL byte at column 2. a project file is text" ARGS build refused.bin)
host(STATUS 2 ERR "escape.project:2: unknown key \"mo\\\\x1B.2Jdel\"" "^[^${escape}]*$"
     ARGS build escape.project)
host(STATUS 2 ERR "\"W\\\\x1BIFI\" is not a block type" "^[^${escape}]*$" ARGS default "W${escape}IFI")

# decode and explain warn (and exit 0) where a record does not fit its type;
# explain shows the bytes given beside the bytes coded again.
set(wifi "00 00 76 00 00 00 00 01 00 01 00 07 00 00 00 00 00 00 00 00")
host(STATUS 0 OUT "^A:1\n$" ERR "^$" ARGS decode WIFI "${wifi}")
host(STATUS 0 ERR "warning: byte 2, the block opcode, is 81. a WIFI record has 76 \\(Modbus records have 81\\)"
     ARGS decode WIFI "00 00 81 00 00 00 00 01 00 01 00 07 00 00 00 00 00 00 00 00")
host(STATUS 0 ERR "warning: the record has 22 bytes, more than a WIFI record can have \\(20\\)"
     ARGS decode WIFI "${wifi} 00 00")
host(STATUS 0 ERR "warning: the record has 10 bytes. the WIFI record of its decoded text has 20"
     ARGS decode WIFI "00 00 76 00 00 00 00 01 00 01")
host(STATUS 0 ERR "warning: the record has 2 bytes, too few for the head of a WIFI record"
     ARGS explain WIFI "00 00")
host(STATUS 0 OUT "\n +9    01 +01 +WiFi mode +1\n" "record coded again, byte for byte" ERR "^$"
     ARGS explain WIFI "${wifi}")
host(STATUS 0
     OUT "offset +given +coded again +field +value\n"
         "\n +0  \\* 05 00 +00 00 +instance index +5\n"
         "\n +5  \\* 00 05 +00 00 +status reference"
         "\n +9    00 +00 +WiFi mode +0\n"
         "\\* 2 line\\(s\\) where the record given differs"
     ARGS explain WIFI "05 00 76 00 00 00 05 01 00 00 00 07 00 00 00 00 00 00 00 00")

# decode writes the certificate files of an MQTT Connect record into a
# folder named after the time, beside the plug-in it was given.
host(STATUS 0 OUT "YYYY_MM_DD_HH_MM_SS" "beside the plug-in" ARGS decode --help)
file(MAKE_DIRECTORY ${WORK}/plugin-copy)
file(COPY ${PLUGIN} DESTINATION ${WORK}/plugin-copy)
file(STRINGS ${DEMO_RECORDS} mqtt_line REGEX "^8 7 ")
string(REGEX REPLACE "^8 7 " "" mqtt_record "${mqtt_line}")
host(STATUS 0 OUT "F:[^,]*plugin-copy.[0-9_]+.1\\.pem,G:[^,]*2\\.crt,H:[^,]*3\\.key,"
     ARGS decode "Connect to MQTT Server" "${mqtt_record}" --plugin plugin-copy/${plugin_name})
file(GLOB certificates ${WORK}/plugin-copy/*/1.pem)
list(LENGTH certificates count)
if(NOT count EQUAL 1 OR NOT certificates MATCHES
   "/[0-9][0-9][0-9][0-9]_[0-9][0-9]_[0-9][0-9]_[0-9][0-9]_[0-9][0-9]_[0-9][0-9]/1.pem$")
  message(SEND_ERROR "decode wrote no certificate folder beside the plug-in: ${certificates}")
endif()
