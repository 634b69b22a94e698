# Tests of the Windows build: the images' export and import tables, and
# test programs that run under Wine (CMAKE_CROSSCOMPILING_EMULATOR).

set(OSTREVAN_IMAGE_CHECK ${CMAKE_CURRENT_SOURCE_DIR}/e2e/check_pe_image.cmake)
add_test(NAME dll_exports_imports_version
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DIMAGE=$<TARGET_FILE:ostrevan>
                 -DEXPORTS=ON -DVERSION=${PROJECT_VERSION} -P ${OSTREVAN_IMAGE_CHECK})
add_test(NAME host_tool_imports
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP}
                 -DIMAGE=$<TARGET_FILE:ostrevan-host> -P ${OSTREVAN_IMAGE_CHECK})

# Loads the built ostrevan.dll the way the host does: LoadLibrary beside the
# test program, then the nine names with GetProcAddress. The plug-in's
# objects and exports linked in as well, to compare the DLL's answers with.
file(GLOB OSTREVAN_WINDOWS_TEST_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/windows/*.cpp)
add_executable(ostrevan_windows_tests ${OSTREVAN_WINDOWS_TEST_SOURCES}
               ${PROJECT_SOURCE_DIR}/core/exports.cpp ${CMAKE_CURRENT_SOURCE_DIR}/support/host_side.cpp
               ${PROJECT_SOURCE_DIR}/tools/ostrevan-host/plugin_loader.cpp)
target_include_directories(ostrevan_windows_tests PRIVATE ${PROJECT_SOURCE_DIR}
                           ${PROJECT_SOURCE_DIR}/include ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(ostrevan_windows_tests PRIVATE
  OSTREVAN_VERSION="${PROJECT_VERSION}" WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(ostrevan_windows_tests PRIVATE ostrevan_impl ${OSTREVAN_GTEST_MAIN} user32
                      gdi32 comctl32)
target_link_options(ostrevan_windows_tests PRIVATE -static -static-libgcc -static-libstdc++)
add_dependencies(ostrevan_windows_tests ostrevan)
add_test(NAME ostrevan_windows_tests COMMAND ostrevan_windows_tests --gtest_brief=1)

# The password and message dialogs, and the services the editor
# layer gives its pages, in real windows: the plug-in's objects and the
# Win32 view linked in statically, not reached through the DLL.
# "--show password|phonebook|message|wmessage|mqtt-item" only opens one (for the
# screenshots).
add_executable(ostrevan_dialog_tests windows/dialogs/main.cpp windows/dialogs/page_services_test.cpp
               windows/dialogs/message_dialog_test.cpp
               windows/ui_script.cpp)
target_include_directories(ostrevan_dialog_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(ostrevan_dialog_tests PRIVATE ostrevan_impl gtest)
target_link_options(ostrevan_dialog_tests PRIVATE -static -static-libgcc -static-libstdc++)
add_test(NAME ostrevan_dialog_tests COMMAND ostrevan_dialog_tests --gtest_brief=1)

# The Linux tool and the Windows tool build the demo project into the same
# bytes. Configure with OSTREVAN_NATIVE_HOST=<path of the Linux ostrevan-host>.
set(OSTREVAN_NATIVE_HOST "" CACHE FILEPATH "ostrevan-host of a native build, for comparing records")
if(OSTREVAN_NATIVE_HOST)
  add_test(NAME demo_records_same_as_native
           COMMAND ${CMAKE_COMMAND} -DNATIVE_HOST=${OSTREVAN_NATIVE_HOST}
                   -DHOST=$<TARGET_FILE:ostrevan-host>
                   "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
                   -DPROJECT=${PROJECT_SOURCE_DIR}/examples/demo.project
                   -DWORK=${CMAKE_CURRENT_BINARY_DIR}/same
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/check_same_records.cmake)
endif()

if(CMAKE_CROSSCOMPILING_EMULATOR)
  get_filename_component(wine_dir ${CMAKE_CROSSCOMPILING_EMULATOR} DIRECTORY)
  find_program(OSTREVAN_WINEBOOT wineboot HINTS ${wine_dir})
  find_program(OSTREVAN_WINESERVER NAMES wineserver wineserver64 HINTS ${wine_dir}
               PATHS /usr/lib/wine)
  set(wine_environment
      WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
      WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml=)
  add_test(NAME wine_prefix
           COMMAND ${CMAKE_COMMAND} -DWINE=${CMAKE_CROSSCOMPILING_EMULATOR}
                   -DWINEBOOT=${OSTREVAN_WINEBOOT}
                   -DWINESERVER=${OSTREVAN_WINESERVER}
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wine_prefix.cmake)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine LABELS wine
                       ENVIRONMENT "${wine_environment}")
  set(wine_tests ostrevan_tests ostrevan_windows_tests ostrevan_dialog_tests demo_project_build host_cli_usage)
  if(OSTREVAN_NATIVE_HOST)
    list(APPEND wine_tests demo_records_same_as_native)
  endif()
  set_tests_properties(${wine_tests} PROPERTIES FIXTURES_REQUIRED wine LABELS wine
                       ENVIRONMENT "${wine_environment}" TIMEOUT 600)
  # The two programs that open windows move the one pointer and centre their
  # dialogs on the one screen: never both at once.
  set_tests_properties(ostrevan_windows_tests ostrevan_dialog_tests PROPERTIES
                       RESOURCE_LOCK display)
endif()
