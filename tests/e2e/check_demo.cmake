# Builds the demo project with the host tool and compares the hex records.
# The build runs in the project's directory: paths in parameter texts (the
# MQTT certificate files) are read relative to it. EMULATOR (Wine for the
# Windows build) runs the tool when it is set.
file(MAKE_DIRECTORY ${WORK})
get_filename_component(project_dir ${PROJECT} DIRECTORY)
execute_process(COMMAND ${EMULATOR} ${HOST} build ${PROJECT} -o ${WORK}/demo
                WORKING_DIRECTORY ${project_dir}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "build failed (${status}):\n${out}${err}")
endif()
file(READ ${WORK}/demo.hex actual)
file(READ ${EXPECTED} expected)
string(REGEX REPLACE "(^|\n)#[^\n]*" "" expected "${expected}")
string(STRIP "${expected}" expected)
string(STRIP "${actual}" actual)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "records differ\nactual:\n${actual}\nexpected:\n${expected}")
endif()
