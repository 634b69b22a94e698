# Prepares the Wine prefix of a build tree once: a fresh prefix under the
# build tree keeps the tests away from the user's own Wine set-up. The
# environment (WINEPREFIX, WINEDEBUG, no Mono or Gecko installers) comes
# from the test's properties.
#   -DWINE=... -DWINEBOOT=... -DWINESERVER=...
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS "$ENV{WINEPREFIX}/system.reg")
  message(STATUS "initialising the Wine prefix $ENV{WINEPREFIX}")
  execute_process(COMMAND ${WINEBOOT} -i RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET
                  TIMEOUT 300)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "wineboot -i failed (${status})")
  endif()
  execute_process(COMMAND ${WINESERVER} -w TIMEOUT 120)
endif()
if(NOT EXISTS "$ENV{WINEPREFIX}/system.reg")
  message(FATAL_ERROR "no Wine prefix at $ENV{WINEPREFIX}")
endif()
# A server that outlives each test program spares every later start the
# server's and Wine's own service processes' start-up; it ends by itself a
# while after the last test. The services are started here, detached from
# any test's output: a test whose first Wine process started them would
# otherwise leave its output pipe open, and CTest would wait for it. A
# server that is already running (an earlier run) is fine.
# The virtual X display has no window manager, and Wine waits up to two
# seconds for one to withdraw each managed window that closes; windows Wine
# does not hand to a manager close at once (every sheet and dialog the
# tests open and close).
execute_process(COMMAND sh -c "{ \"$1\" -p 30 ; \"$2\" reg add \"$3\" /v Managed /d N /f && \"$2\" cmd /c exit; } </dev/null >/dev/null 2>&1"
                        sh ${WINESERVER} ${WINE} "HKCU\\Software\\Wine\\X11 Driver"
                RESULT_VARIABLE status TIMEOUT 120)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot start Wine in $ENV{WINEPREFIX} (${status})")
endif()
