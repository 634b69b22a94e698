# The host tool's exit statuses and messages for good and bad usage.
# EMULATOR (Wine for the Windows build) runs the tool when it is set; the
# Windows console ends its lines with CR LF.
file(MAKE_DIRECTORY ${WORK})
function(expect status_wanted pattern)
  execute_process(COMMAND ${EMULATOR} ${HOST} ${ARGN} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
  if(NOT status EQUAL status_wanted OR NOT "${out}${err}" MATCHES "${pattern}")
    message(FATAL_ERROR "ostrevan-host ${ARGN}: status ${status}, wanted ${status_wanted} "
                        "and /${pattern}/\n${out}${err}")
  endif()
endfunction()

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
file(WRITE ${WORK}/over.project "[cpu]\n[limits]\ntotal = 1\nWIFI = 5\n[block]\ntype = WIFI\ntext = A:1\n[block]\ntype = WIFI\n")
expect(1 "1 failed" build ${WORK}/over.project -o ${WORK}/over)
if(NOT WINDOWS)
  expect(1 "editing needs the Windows build" edit WIFI)
endif()
